// A damaged data file never crashes a reader: every primitive returns or throws
// DataError. The first byte picks the order of the primitives.
#include <cstdint>
#include <string>

#include "world/datafiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    unsigned plan = data[0];
    auto reader = orrowvale::LineReader::fromBytes(
        std::string(reinterpret_cast<const char*>(data + 1), size - 1), "fuzz.txt");
    try {
        for (int step = 0; !reader.atEnd() && step < 1000; ++step) {
            switch ((plan >> (2 * (step % 4))) & 3) {
                case 0:
                    reader.readLine();
                    break;
                case 1:
                    reader.readWholeNumber();
                    break;
                case 2:
                    reader.readNumberTokenOnLine();
                    break;
                default:
                    reader.skipToMarker(orrowvale::marker::end);
                    break;
            }
        }
    } catch (const orrowvale::DataError&) {
    }
    return 0;
}
