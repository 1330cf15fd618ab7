#include "messagelog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "transcript.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

TEST(MessageLog, KeepsEverythingSaidInOrderWithItsDateAndStillShowsIt) {
    GameState state;
    TranscriptPresenter shown;
    RecordingPresenter presenter(shown, state);
    presenter.showStoryText({"첫 줄", "둘째 줄"}, kPrologueCaption, kPrologueEndPosition);
    state.gameWeek = 2;
    presenter.talk("촌장", "어서 오게.");
    presenter.inform("파티 매가 모험을 마치고 귀환했습니다.");
    shown.queueAnswers({false});
    EXPECT_FALSE(presenter.confirm("턴을 마치시겠습니까?", DefaultAnswer::Yes));

    const std::string week1 = dateText(GameState{});
    const std::string week2 = dateText(state);
    EXPECT_EQ(week2, "200년 4월 2주 1턴");
    EXPECT_EQ(presenter.log.entries(),
              (std::vector<LogEntry>{{week1, "프롤로그", "첫 줄\n둘째 줄"},
                                     {week2, "촌장", "어서 오게."},
                                     {week2, "알림", "파티 매가 모험을 마치고 귀환했습니다."},
                                     {week2, "질문", "턴을 마치시겠습니까?\n(아니요)"}}));
    EXPECT_EQ(shown.lines().size(), 4u) << "everything is still shown";

    // A search keeps the entries whose heading or text holds the word.
    EXPECT_EQ(presenter.log.text("촌장"), "[" + week2 + "] 촌장\n어서 오게.");
    EXPECT_EQ(presenter.log.text("없는 말"), "");
    presenter.log.clear();
    EXPECT_EQ(presenter.log.text(), "");
}

// Kept beside the autosave and read back, the log is the same; a damaged line costs
// only itself.
TEST(MessageLog, KeptTextGivesTheSameLogBack) {
    MessageLog log;
    log.add({"200년 4월 1주 1턴", "프롤로그", "첫 줄\n\t둘째 줄 \\ 끝"});
    log.add({"200년 4월 1주 2턴", "소식", ""});
    const std::string kept = log.keptText();
    EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), 2) << "one line an entry";
    EXPECT_EQ(MessageLog::fromKeptText(kept).entries(), log.entries());
    EXPECT_EQ(MessageLog::fromKeptText("한 칸뿐인 줄\n" + kept).entries(), log.entries());
}

}  // namespace
}  // namespace orrowvale
