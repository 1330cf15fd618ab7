#include "lifecycle/createworld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "game.h"
#include "game/testfiles.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale {
namespace {

// A game on the sample world with the city list read, as the map window does
// before world creation starts.
struct SampleGame {
    explicit SampleGame(GamePaths where = testing::sampleWorld())
        : paths(std::move(where)), game(*state, paths, dice, presenter) {
        loadCityList(*state, paths);
    }

    std::vector<std::string> captions() const {
        std::vector<std::string> shown;
        for (const auto& line : presenter.lines())
            shown.push_back(line.substr(0, line.find(':')));
        return shown;
    }

    GamePaths paths;
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Dice dice{42};
    TranscriptPresenter presenter;
    Game game;
};

TEST(CreateWorld, StoryCharacterZeroStartsFromItsFileAndSeesTheFourPartPrologue) {
    SampleGame sample;
    std::vector<int> progress;
    createStoryWorld(sample.game, 0, [&](int percent) { progress.push_back(percent); });
    const GameState& state = sample.game.state;

    EXPECT_EQ(state.gold, 1500);
    EXPECT_EQ(state.currentCity, 1);
    EXPECT_EQ(state.characterNumber, 0);
    EXPECT_EQ(state.mainchrnum, 1000);
    EXPECT_EQ(state.guildRoster[1][1000], 1000);
    EXPECT_EQ(state.mainCharacter().isGuildMember, 1);
    EXPECT_EQ(state.mainCharacter().location, 1);
    EXPECT_EQ(state.guildRoster[1][999], 0);  // no members in story play
    EXPECT_EQ(countGuildBranches(state), 0);
    EXPECT_EQ(state.gameYear * 1000 + state.gameMonth * 100 + state.gameWeek * 10 + state.gameTurn,
              200411);
    // The visitable cities are exactly those of the character's own list.
    for (int city = 1; city <= 9; ++city)
        EXPECT_EQ(state.visitableCities[city], city == 5 || city == 7 || city == 8 ? 0 : 1) << city;
    EXPECT_EQ(sample.captions(), std::vector<std::string>(4, "announce[프롤로그]"));
    EXPECT_EQ(sample.presenter.lastScrollEndPosition(), -350);
    EXPECT_EQ(sample.presenter.guildButtonEnables(), 1);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
}

TEST(CreateWorld, AnotherStoryCharacterSeesItsOwnProloguePartsInARowOrNone) {
    testing::TempGameDir dir;
    dir.copySampleWorld();
    EXPECT_EQ(storyProloguePart(1, 2), "prologue\\story1_2.txt");
    for (int part = 1; part <= 9; ++part)
        std::filesystem::remove(dir.path("data\\" + storyProloguePart(1, part)));
    {
        SampleGame sample(dir.paths());
        createStoryWorld(sample.game, 1);
        EXPECT_EQ(sample.game.state.characterNumber, 1);
        EXPECT_EQ(sample.game.state.currentCity, 7);
        EXPECT_TRUE(sample.presenter.lines().empty());
    }
    dir.write("data\\prologue\\story1_1.txt", "제목\n&start\n첫째\n&end\n");
    dir.write("data\\prologue\\story1_2.txt", "&start\n둘째\n&end\n");
    dir.write("data\\prologue\\story1_4.txt", "&start\n넷째는 셋째 없이 보이지 않는다\n&end\n");
    SampleGame sample(dir.paths());
    createStoryWorld(sample.game, 1);
    EXPECT_EQ(sample.presenter.lines(),
              (std::vector<std::string>{"announce[프롤로그]: 첫째", "announce[프롤로그]: 둘째"}));
}

TEST(CreateWorld, RandomPlayFillsTheTopSlotsWithTheMainCharacterAndFifteenMembers) {
    SampleGame sample;
    createRandomWorld(sample.game);
    const GameState& state = sample.game.state;

    EXPECT_EQ(state.gold, 1000);
    EXPECT_EQ(state.characterNumber, 200);
    EXPECT_EQ(state.mainchrnum, 1000);
    EXPECT_EQ(state.guildBranches[1], 1);
    EXPECT_EQ(countGuildBranches(state), 1);
    for (int slot = 985; slot <= 1000; ++slot) {
        EXPECT_EQ(state.guildRoster[1][slot], slot);
        EXPECT_EQ(state.adventurers[slot].isGuildMember, 1);
        EXPECT_EQ(state.adventurers[slot].location, 1);
    }
    EXPECT_EQ(state.guildRoster[1][984], 0);
    EXPECT_EQ(state.parties[1].partyName, "파티명 없음");
    EXPECT_EQ(sample.captions(), std::vector<std::string>{"announce[프롤로그]"});
}

TEST(CreateWorld, AFailureLeavesTheRunningGameAsItWas) {
    testing::TempGameDir dir;
    dir.write("data\\city.txt", "1\n하나\n");
    dir.write("data\\chrstat3.txt", "500\n1\n3\nstory\\missing.txt\nplaces.txt\ncities.txt\n");
    SampleGame sample(dir.paths());
    sample.game.state.gold = 777;
    EXPECT_THROW(createStoryWorld(sample.game, 3), DataError);
    EXPECT_EQ(sample.game.state.gold, 777);
    EXPECT_THROW(createStoryWorld(sample.game, 9), DataError);  // no start file at all
    EXPECT_THROW(createRandomWorld(sample.game), DataError);
    EXPECT_EQ(sample.game.state.gold, 777);
    EXPECT_TRUE(sample.presenter.lines().empty());
}

}  // namespace
}  // namespace orrowvale

namespace orrowvale {
namespace {

// World creation reads the city list itself: a caller that never loaded it still
// gets adventurers spread over every city, not only the recruits at home.
TEST(CreateWorld, PopulatesEveryCityWithoutACallerLoadingTheCityListFirst) {
    for (bool story : {false, true}) {
        const GamePaths paths = testing::sampleWorld();
        auto state = std::make_unique<GameState>();
        Dice dice{42};
        TranscriptPresenter presenter;
        Game game(*state, paths, dice, presenter);
        story ? createStoryWorld(game, 0) : createRandomWorld(game);
        ASSERT_GT(game.state.cityCount, 1);
        for (int city = 1; city <= game.state.cityCount; ++city) {
            int standing = 0;
            for (int number = 1; number <= kMaxAdventurers; ++number) {
                const TAdven& adventurer = game.state.adventurers[number];
                standing += !adventurer.isFree() && adventurer.location == city ? 1 : 0;
            }
            EXPECT_GE(standing, 1) << (story ? "story" : "random") << " city " << city;
        }
    }
}

}  // namespace
}  // namespace orrowvale
