#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orrowvale {

// Gold, fame, dates and counters are 32-bit numbers that a hand-edited save or a
// generous data file can push to either end. Arithmetic on them stops at the ends
// of the range rather than wrapping round to the other sign.
inline std::int32_t saturatingAdd(std::int32_t value, std::int64_t change) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        std::int64_t{value} + change, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
}

}  // namespace orrowvale
