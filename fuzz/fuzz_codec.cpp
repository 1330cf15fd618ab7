// Any bytes decode, and the text encodes back to exactly those bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "world/codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string text = orrowvale::decodeCp949(bytes);
    if (orrowvale::encodeCp949(text) != bytes) std::abort();
    // Arbitrary input to the encoder either encodes or is refused cleanly.
    std::string out;
    std::size_t bad = 0;
    orrowvale::tryEncodeCp949(bytes, out, bad);
    return 0;
}
