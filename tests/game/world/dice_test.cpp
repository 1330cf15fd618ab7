#include "world/dice.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <stdexcept>

namespace orrowvale {
namespace {

TEST(Dice, RollsStayInRangeAndCoverIt) {
    Dice dice(99);
    std::array<int, 6> seen{};
    for (int i = 0; i < 6000; ++i) {
        int value = dice.roll(6);
        ASSERT_TRUE(value >= 0 && value < 6);
        ++seen[static_cast<std::size_t>(value)];
    }
    for (int count : seen)
        EXPECT_NEAR(count, 1000, 150);
    for (int i = 0; i < 1000; ++i) {
        int d = dice.d100();
        ASSERT_TRUE(d >= 1 && d <= 100);
    }
    EXPECT_EQ(dice.roll(0), 0);  // nothing to choose from
}

TEST(Dice, QueuedRollsComeFirstAndMustFitTheirRoll) {
    Dice dice(1);
    dice.queue({3, 0});
    dice.queueD100({100});
    EXPECT_EQ(dice.queued(), 3u);
    EXPECT_EQ(dice.roll(4), 3);
    EXPECT_EQ(dice.roll(2), 0);
    EXPECT_EQ(dice.d100(), 100);
    EXPECT_EQ(dice.queued(), 0u);
    dice.queue({5});
    EXPECT_THROW(dice.roll(5), std::logic_error);
}

TEST(Dice, TheSameSeedReplaysTheSameGame) {
    setenv("ORROWVALE_SEED", "2024", 1);
    Dice first = Dice::fromEnvironment();
    Dice second = Dice::fromEnvironment();
    unsetenv("ORROWVALE_SEED");
    EXPECT_EQ(first.seed(), 2024u);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(first.roll(1000), second.roll(1000));

    setenv("ORROWVALE_SEED", "not a number", 1);
    Dice clock = Dice::fromEnvironment();  // falls back to the clock
    unsetenv("ORROWVALE_SEED");
    EXPECT_NE(clock.seed(), 0u);
}

}  // namespace
}  // namespace orrowvale
