#include "Presenter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game.h"
#include "game/testfiles.h"
#include "lifecycle/createworld.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/savegame.h"
#include "transcript.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/worldload.h"

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
    testing::TempGameDir dir;
    dir.copySampleWorld();
    const GamePaths paths = dir.paths();
    GameState state;
    Dice dice{3};
    TranscriptPresenter presenter;
    Game game{state, paths, dice, presenter};
    loadCityList(state, paths);
    createRandomWorld(game);
    saveGame(state, paths, 1);

    presenter.showEnding({"끝"});
    loadGame(game, 1);
    presenter.showScriptAnnouncement({"봄"});
    presenter.showEnding({"끝"});
    createRandomWorld(game);
    presenter.showScriptAnnouncement({"여름"});
    const std::vector<std::string>& lines = presenter.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "announce[시나리오]: 봄"), 1);
    EXPECT_EQ(lines.back(), "announce[프롤로그]: 여름") << "a new world's prologue sets it anew";
}

}  // namespace
}  // namespace orrowvale
