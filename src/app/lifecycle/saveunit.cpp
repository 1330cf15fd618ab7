#include "app/lifecycle/saveunit.h"

#include "app/lifecycle/windows.h"
#include "lifecycle/saveunit.h"

namespace orrowvale {

Tsaveform::Tsaveform(Windows& windows)
    : TSlotWindow(windows.paths, "저장할 슬롯을 선택하세요."), windows_(windows) {
    setObjectName(QStringLiteral("Tsaveform"));
    setWindowTitle(QStringLiteral("저장"));
}

void Tsaveform::useSlot(int slot) {
    saveGame(*windows_.state, windows_.paths, slot);
}

}  // namespace orrowvale
