#include "app/lifecycle/savegame.h"

#include "app/lifecycle/windows.h"
#include "app/ui/messages.h"
#include "app/ui/text.h"
#include "lifecycle/savegame.h"
#include "world/datafiles.h"

namespace orrowvale {

Tsaveform::Tsaveform(Windows& windows)
    : TSlotWindow(windows.paths, "저장할 슬롯을 선택하세요."), windows_(windows) {
    setObjectName(QStringLiteral("Tsaveform"));
    setWindowTitle(QStringLiteral("저장"));
}

// A used slot is written over only when the player says so, told what it holds.
bool Tsaveform::mayUseSlot(int slot) {
    if (!slotHoldsSave(windows_.paths, slot)) return true;
    const QString held = qs(listSaveSlots(windows_.paths)[static_cast<std::size_t>(slot - 1)]);
    return confirmBox(this,
                      QStringLiteral("%1번 슬롯에는 이미 저장된 게임이 있습니다.\n%2\n"
                                     "이 게임을 지우고 지금의 게임을 저장하시겠습니까?")
                          .arg(slot)
                          .arg(held),
                      false);
}

void Tsaveform::useSlot(int slot) {
    saveGame(windows_.game, slot);
}

void Tsaveform::showFailure(int, const DataError& error) {
    errorBox(this, dataErrorText(error, "저장하지 못했습니다",
                                 "이전 저장은 그대로 남아 있습니다. 디스크의 빈 공간과 쓰기 "
                                 "권한을 확인하거나 다른 슬롯을 고르십시오."));
}

}  // namespace orrowvale
