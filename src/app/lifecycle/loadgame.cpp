#include "app/lifecycle/loadgame.h"

#include <utility>

#include "app/lifecycle/windows.h"
#include "app/ui/messages.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/savegame.h"
#include "world/datafiles.h"

namespace orrowvale {

Tloadform::Tloadform(Windows& windows)
    : TSlotWindow(windows.paths, " 읽어들일 슬롯을 선택하세요.",
                  "고른 칸에 저장된 게임을 불러옵니다."),
      windows_(windows) {
    setObjectName(QStringLiteral("Tloadform"));
    setWindowTitle(QStringLiteral("파일 읽기"));
}

// A failed load keeps whatever game there was.
bool Tloadform::useSlot(int slot) {
    loadGame(windows_.game, slot);
    return true;
}

void Tloadform::showFailure(int slot, const DataError& error) {
    if (!slotHoldsSave(windows_.paths, slot)) {
        tellFailure(PlayerText("빈 슬롯입니다 (%1 이 없습니다). 다른 슬롯을 고르십시오.")
                        .arg(QString::fromStdString(error.file())));
        return;
    }
    tellFailure(dataErrorText(error, "이 슬롯의 저장을 읽을 수 없습니다",
                              "지금의 게임은 그대로입니다. 다른 슬롯을 고르십시오."));
}

void Tloadform::tellFailure(const PlayerText& text) {
    told_.push_back(windows_.logBox(kErrorHeading, text.text()));
    errorBox(this, text);
}

// The loaded game starts a log of its own, with the boxes read on the way to it
// first, dated by it.
void Tloadform::slotUsed() {
    if (!windows_.enterGame()) return;
    MessageLog& log = windows_.loggingPresenter.log;
    std::vector<LogEntry> entries = std::exchange(told_, {});
    for (LogEntry& entry : entries)
        entry.date = dateText(*windows_.state);
    entries.insert(entries.end(), log.entries().begin(), log.entries().end());
    log.clear();
    for (LogEntry& entry : entries)
        log.add(std::move(entry));
    // The log kept beside the autosave is this game's from now on.
    windows_.keepLogWithAutosave();
}

}  // namespace orrowvale
