#include "app/lifecycle/savegame.h"

#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/windows.h"
#include "app/ui/messages.h"
#include "lifecycle/savegame.h"
#include "world/datafiles.h"

namespace orrowvale {

Tsaveform::Tsaveform(Windows& windows)
    : TSlotWindow(windows.paths, "저장할 슬롯을 선택하세요.", "지금 게임을 고른 칸에 저장합니다."),
      windows_(windows) {
    setObjectName(QStringLiteral("Tsaveform"));
    setWindowTitle(QStringLiteral("저장"));
}

// A used slot is written over only when the player says so, told what it holds.
bool Tsaveform::useSlot(int slot) {
    if (!saveToSlot(windows_.game, slot)) return false;
    windows_.window<Tinsform>().showNote(QString::fromUtf8(kSaved));
    return true;
}

void Tsaveform::showFailure(int, const DataError& error) {
    errorBox(this, dataErrorText(error, "저장하지 못했습니다",
                                 "이전 저장은 그대로 남아 있습니다. 디스크의 빈 공간과 쓰기 "
                                 "권한을 확인하거나 다른 슬롯을 고르십시오."));
}

}  // namespace orrowvale
