// orrowvale-cp949: converts a content file between the UTF-8 that authors edit and
// the CP949 with CR LF line ends that the game reads.
//   orrowvale-cp949 IN OUT            UTF-8 (LF or CR LF) to CP949 with CR LF
//   orrowvale-cp949 --decode IN OUT   CP949 with CR LF to UTF-8 with LF
// Bytes that are not valid CP949 survive a decode and the encode back unchanged.
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "world/codec.h"

namespace {

bool readFile(const char* path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeFile(const char* path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

// Splits on LF; a CR before the LF belongs to the line end. The last piece is what
// follows the last LF (empty when the file ends with a line end).
template <typename Each>
void forEachLine(const std::string& text, Each each) {
    std::size_t start = 0;
    int number = 1;
    for (;;) {
        std::size_t newline = text.find('\n', start);
        if (newline == std::string::npos) {
            each(std::string_view(text).substr(start), number, false);
            return;
        }
        std::size_t end = newline;
        if (end > start && text[end - 1] == '\r') --end;
        each(std::string_view(text).substr(start, end - start), number, true);
        start = newline + 1;
        ++number;
    }
}

int encode(const char* in, const char* out) {
    std::string text;
    if (!readFile(in, text)) {
        std::cerr << in << ": error: cannot read the file\n";
        return 1;
    }
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);  // a byte-order mark
    std::string result;
    result.reserve(text.size());
    bool ok = true;
    forEachLine(text, [&](std::string_view line, int number, bool ended) {
        std::size_t bad = 0;
        if (!orrowvale::tryEncodeCp949(line, result, bad)) {
            std::string shown;
            try {
                orrowvale::encodeCp949(line);
            } catch (const orrowvale::EncodingError& error) {
                shown = error.what();
            }
            std::cerr << in << ":" << number << ": error: " << shown << " (column " << bad + 1
                      << ")\n";
            ok = false;
        }
        if (ended) result += "\r\n";
    });
    if (!ok) return 1;
    if (!writeFile(out, result)) {
        std::cerr << out << ": error: cannot write the file\n";
        return 1;
    }
    return 0;
}

int decode(const char* in, const char* out) {
    std::string bytes;
    if (!readFile(in, bytes)) {
        std::cerr << in << ": error: cannot read the file\n";
        return 1;
    }
    std::string result;
    result.reserve(bytes.size() * 3 / 2);
    forEachLine(bytes, [&](std::string_view line, int, bool ended) {
        result += orrowvale::decodeCp949(line);
        if (ended) result += '\n';
    });
    if (!writeFile(out, result)) {
        std::cerr << out << ": error: cannot write the file\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    constexpr const char* kUsage =
        "Usage: orrowvale-cp949 IN OUT\n"
        "  or:  orrowvale-cp949 --decode IN OUT\n"
        "Converts IN, UTF-8 text, into OUT, CP949 text with CR LF line ends; with\n"
        "--decode, the other way.\n"
        "\n"
        "Options:\n"
        "  --decode    read CP949 and write UTF-8 with LF line ends\n"
        "  -h, --help  print this and exit\n";
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--decode") == 0) return decode(argv[2], argv[3]);
    if (argc == 3 && argv[1][0] != '-') return encode(argv[1], argv[2]);
    std::cerr << kUsage;
    return 2;
}
