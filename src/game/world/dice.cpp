#include "world/dice.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace orrowvale {

Dice::Dice(std::uint64_t seed) : seed_(seed), engine_(seed) {}

Dice Dice::fromEnvironment() {
    if (const char* text = std::getenv("ORROWVALE_SEED")) {
        char* end = nullptr;
        errno = 0;
        unsigned long long seed = std::strtoull(text, &end, 10);
        if (end != text && *end == '\0' && errno == 0) return Dice(seed);
    }
    return Dice(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int Dice::roll(int n) {
    if (n <= 0) return 0;  // nothing to choose from
    if (!queue_.empty()) {
        int value = queue_.front();
        queue_.pop_front();
        if (value < 0 || value >= n)
            throw std::logic_error("queued roll " + std::to_string(value) + " is outside 0.." +
                                   std::to_string(n - 1));
        return value;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

void Dice::queue(std::initializer_list<int> rolls) {
    queue_.insert(queue_.end(), rolls.begin(), rolls.end());
}

void Dice::queueD100(std::initializer_list<int> d100s) {
    for (int value : d100s)
        queue_.push_back(value - 1);
}

}  // namespace orrowvale
