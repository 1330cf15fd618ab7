#include "Presenter.h"

#include <gtest/gtest.h>

#include "transcript.h"

namespace orrowvale {
namespace {

TEST(AnnouncementWindow, KeepsItsCaptionAndEndPositionFromWhatItShowedLast) {
    TranscriptPresenter presenter;
    presenter.showScriptAnnouncement({"봉화"});
    presenter.showStoryText({"옛날에"}, kPrologueCaption, kPrologueEndPosition);
    presenter.showScriptAnnouncement({});  // no line appended: the end position stays
    EXPECT_EQ(presenter.lastScrollEndPosition(), -350);
    presenter.showScriptAnnouncement({"첫째", "둘째"});
    EXPECT_EQ(presenter.lastScrollEndPosition(), 50);
    presenter.showEnding({"끝"});
    presenter.showScriptAnnouncement({"그 후"});
    EXPECT_EQ(presenter.lines(),
              (std::vector<std::string>{"announce[시나리오]: 봉화", "announce[프롤로그]: 옛날에",
                                        "announce[프롤로그]: ", "announce[프롤로그]: 첫째\\n둘째",
                                        "ending: 끝", "announce[엔딩]: 그 후"}));
}

TEST(AnnouncementWindow, ANewOrLoadedGameAnnouncesAsAFreshOneAfterAnEnding) {
    TranscriptPresenter presenter;
    presenter.showEnding({"끝"});
    presenter.startFreshAnnouncements();  // what a new world and a load do
    presenter.showScriptAnnouncement({"봄"});
    EXPECT_EQ(presenter.lines().back(), "announce[시나리오]: 봄");
}

}  // namespace
}  // namespace orrowvale
