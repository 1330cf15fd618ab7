#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>

namespace orrowvale {

// The one source of randomness of a game. A roll of n is a uniform integer
// 0..n-1; a d100 is 1..100. Tests queue exact rolls to reach a branch; queued
// rolls are used first, then the generator takes over.
class Dice {
  public:
    explicit Dice(std::uint64_t seed);
    // Seeded from ORROWVALE_SEED when it holds a number, else from the clock.
    static Dice fromEnvironment();

    int roll(int n);
    int d100() { return roll(100) + 1; }

    // Queues results for the next rolls: each is the value roll(n) returns, so it
    // must lie in 0..n-1 (a d100 of 37 is queued as 36). A queued value outside the
    // range of its roll is a fault in the test and throws std::logic_error.
    void queue(std::initializer_list<int> rolls);
    void queueD100(std::initializer_list<int> d100s);
    std::size_t queued() const { return queue_.size(); }

    std::uint64_t seed() const { return seed_; }

  private:
    std::uint64_t seed_;
    std::mt19937_64 engine_;
    std::deque<int> queue_;
};

}  // namespace orrowvale
