#include "jpegsize.h"

namespace orrowvale::check {
namespace {

int byteAt(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

int bigEndian16(std::string_view bytes, std::size_t i) {
    return byteAt(bytes, i) << 8 | byteAt(bytes, i + 1);
}

bool isFrameHeader(int marker) {
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic coding) share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

}  // namespace

std::optional<PictureSize> jpegSize(std::string_view bytes) {
    if (bytes.size() < 4 || byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != 0xD8) return {};
    std::size_t i = 2;
    while (i + 1 < bytes.size()) {
        if (byteAt(bytes, i) != 0xFF) return {};
        while (i < bytes.size() && byteAt(bytes, i) == 0xFF)
            ++i;  // fill bytes
        if (i >= bytes.size()) return {};
        int marker = byteAt(bytes, i++);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
        if (marker == 0xD9 || marker == 0xDA) return {};  // image data before any frame
        if (i + 2 > bytes.size()) return {};
        int length = bigEndian16(bytes, i);
        if (isFrameHeader(marker)) {
            if (length < 7 || i + 7 > bytes.size()) return {};
            return PictureSize{bigEndian16(bytes, i + 5), bigEndian16(bytes, i + 3)};
        }
        if (length < 2) return {};
        i += static_cast<std::size_t>(length);
    }
    return {};
}

}  // namespace orrowvale::check
