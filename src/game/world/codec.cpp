#include "world/codec.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <vector>

namespace orrowvale {
namespace {

constexpr char32_t kEscapeBase = 0xF700;  // U+F780..U+F7FF carry stray bytes 0x80..0xFF

// Both directions as tables built once from the C library's CP949 converter. Only
// codes that map back to themselves are kept, so every decoded character encodes
// to exactly the bytes it came from.
struct Tables {
    std::array<char32_t, 256> single{};  // 0 = not a single-byte character
    std::vector<char32_t> pair = std::vector<char32_t>(256 * 256, 0);  // lead*256+trail
    std::vector<std::uint16_t> reverse = std::vector<std::uint16_t>(0x10000, 0);
};

char32_t convertOne(iconv_t cd, const unsigned char* bytes, std::size_t length) {
    char in[2] = {static_cast<char>(bytes[0]), length > 1 ? static_cast<char>(bytes[1]) : '\0'};
    char32_t out[4] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = length;
    std::size_t outLeft = sizeof(out);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return 0;
    if (inLeft != 0 || outLeft != sizeof(out) - sizeof(char32_t)) return 0;
    return out[0];
}

std::unique_ptr<Tables> buildTables() {
    auto tables = std::make_unique<Tables>();
    iconv_t cd = iconv_open("UTF-32LE", "CP949");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("CP949 converter is missing");
    auto keep = [&](char32_t cp, std::uint16_t code) {
        if (cp == 0 || cp > 0xFFFF || (cp >= 0xF780 && cp <= 0xF7FF)) return false;
        if (tables->reverse[cp] != 0) return false;  // a second code for one character
        tables->reverse[cp] = code;
        return true;
    };
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
        unsigned char byte = static_cast<unsigned char>(b);
        char32_t cp = convertOne(cd, &byte, 1);
        if (keep(cp, static_cast<std::uint16_t>(b))) tables->single[b] = cp;
    }
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x41; trail <= 0xFE; ++trail) {
            unsigned char bytes[2] = {static_cast<unsigned char>(lead),
                                      static_cast<unsigned char>(trail)};
            char32_t cp = convertOne(cd, bytes, 2);
            if (keep(cp, static_cast<std::uint16_t>(lead << 8 | trail)))
                tables->pair[lead << 8 | trail] = cp;
        }
    }
    iconv_close(cd);
    return tables;
}

const Tables& tables() {
    static const std::unique_ptr<Tables> built = buildTables();
    return *built;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Reads one UTF-8 character at `i`; returns 0xFFFFFFFF for an invalid sequence.
char32_t nextUtf8(std::string_view s, std::size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c >= 0xF0 && c <= 0xF4   ? 3
                : c >= 0xE0 && c <= 0xEF ? 2
                : c >= 0xC2 && c <= 0xDF ? 1
                                         : -1;
    if (c < 0x80) {
        ++i;
        return c;
    }
    constexpr char32_t kBad = 0xFFFFFFFF;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) return kBad;
    char32_t cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        unsigned char t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80) return kBad;
        cp = cp << 6 | (t & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kBad;
    i += extra + 1;
    return cp;
}

}  // namespace

std::string decodeCp949(std::string_view cp949) {
    const Tables& t = tables();
    std::string out;
    out.reserve(cp949.size() + cp949.size() / 2);
    std::size_t i = 0;
    while (i < cp949.size()) {
        unsigned char b = static_cast<unsigned char>(cp949[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        if (i + 1 < cp949.size()) {
            char32_t cp = t.pair[b << 8 | static_cast<unsigned char>(cp949[i + 1])];
            if (cp != 0) {
                appendUtf8(out, cp);
                i += 2;
                continue;
            }
        }
        appendUtf8(out, t.single[b] != 0 ? t.single[b] : kEscapeBase + b);
        ++i;
    }
    return out;
}

bool tryEncodeCp949(std::string_view utf8, std::string& out, std::size_t& badOffset) {
    const Tables& t = tables();
    std::size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        std::size_t start = i;
        char32_t cp = nextUtf8(utf8, i);
        if (cp >= 0xF780 && cp <= 0xF7FF) {
            out += static_cast<char>(cp - kEscapeBase);
            continue;
        }
        std::uint16_t code = cp <= 0xFFFF ? t.reverse[cp] : 0;
        if (code == 0) {
            badOffset = start;
            return false;
        }
        if (code > 0xFF) out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
    }
    return true;
}

std::string encodeCp949(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t bad = 0;
    if (!tryEncodeCp949(utf8, out, bad)) {
        std::size_t end = bad;
        char32_t cp = nextUtf8(utf8, end);
        std::string what = cp == 0xFFFFFFFF
                               ? "a byte sequence that is not valid UTF-8"
                               : "the character \"" + std::string(utf8.substr(bad, end - bad)) +
                                     "\", which CP949 cannot hold";
        throw EncodingError(what, bad);
    }
    return out;
}

bool fitsCp949(std::string_view utf8) {
    std::string out;
    std::size_t bad = 0;
    return tryEncodeCp949(utf8, out, bad);
}

}  // namespace orrowvale
