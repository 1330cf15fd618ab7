#include "app/lifecycle/loadunit.h"

#include "app/lifecycle/Main.h"
#include "app/lifecycle/title.h"
#include "app/lifecycle/windows.h"
#include "lifecycle/loadunit.h"

namespace orrowvale {

Tloadform::Tloadform(Windows& windows)
    : TSlotWindow(windows.paths, " 읽어들일 슬롯을 선택하세요."), windows_(windows) {
    setObjectName(QStringLiteral("Tloadform"));
    setWindowTitle(QStringLiteral("파일 읽기"));
}

// A failed load keeps whatever game there was.
void Tloadform::useSlot(int slot) {
    loadGame(windows_.game, slot);
}

void Tloadform::slotUsed() {
    windows_.form1->hide();
    windows_.mainForm->openForPlay();
}

}  // namespace orrowvale
