#include "core.h"

#include <algorithm>
#include <fstream>

#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

std::vector<std::string> splitGamePath(std::string_view gamePath) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : gamePath) {
        if (c != '\\' && c != '/') {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(std::move(part));
            part.clear();
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

bool isRegularFile(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec);
}

// What stands at `file` when it is there but is no plain file ("a folder", "a named
// pipe"); empty for a plain file or nothing at all. A link tells what it leads to.
std::string notAPlainFile(const std::filesystem::path& file) {
    namespace fs = std::filesystem;
    std::error_code ec;
    switch (fs::status(file, ec).type()) {
        case fs::file_type::none:
        case fs::file_type::not_found:
        case fs::file_type::regular:
            return {};
        case fs::file_type::directory:
            return "a folder";
        case fs::file_type::fifo:
            return "a named pipe";
        case fs::file_type::character:
        case fs::file_type::block:
            return "a device";
        case fs::file_type::socket:
            return "a socket";
        default:
            return "something other than a file";
    }
}

// The end of the message for a path that is no plain file; the game refuses to read
// anything else.
std::string notAFileText(const std::filesystem::path& file) {
    return notAPlainFile(file) + ", not a plain file the game can read";
}

// A stray byte the codec kept is a code point U+F780..U+F7FF, in UTF-8 EF 9E xx or
// EF 9F xx; returns the byte, or -1 when the line has none.
int strayByte(std::string_view line) {
    for (std::size_t i = 0; i + 2 < line.size(); ++i) {
        auto b = [&](std::size_t k) { return static_cast<unsigned char>(line[k]); };
        if (b(i) == 0xEF && (b(i + 1) == 0x9E || b(i + 1) == 0x9F) && (b(i + 2) & 0xC0) == 0x80)
            return 0x80 + ((b(i + 1) & 0x01) << 6 | (b(i + 2) & 0x3F));
    }
    return -1;
}

std::string hexByte(int byte) {
    const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[byte >> 4] + digits[byte & 15];
}

}  // namespace

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// Built piece by piece: GCC 12's optimiser sees a bogus overlap in the chained form.
std::string inQuotes(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

Core::Lookup Core::lookUp(const std::string& gamePath, std::string& actual) const {
    std::filesystem::path exact = paths_.gameDirectory();
    for (const std::string& part : splitGamePath(gamePath))
        exact /= part;
    if (isRegularFile(exact)) return Lookup::Exact;
    std::filesystem::path resolved = paths_.resolve(gamePath);
    if (!isRegularFile(resolved))
        return notAPlainFile(resolved).empty() ? Lookup::Missing : Lookup::NotAFile;
    std::string relative =
        resolved.lexically_relative(paths_.gameDirectory() / "data").generic_string();
    std::replace(relative.begin(), relative.end(), '/', '\\');
    actual = relative;
    return Lookup::OtherCase;
}

std::string Core::shownPath(const std::string& gamePath) const {
    std::filesystem::path resolved = paths_.resolve(gamePath);
    if (isRegularFile(resolved))
        return resolved.lexically_relative(paths_.gameDirectory()).generic_string();
    std::string shown;
    for (const std::string& part : splitGamePath(gamePath))
        shown += (shown.empty() ? "" : "/") + part;
    return shown;
}

std::optional<std::string> Core::namedFile(const std::string& nameInData, const Where& at,
                                           std::string_view what, Severity missing,
                                           std::string_view consequence) {
    auto complain = [&](std::string message) {
        report(missing, at, std::move(message) + std::string(consequence));
    };
    if (isBlankLine(nameInData)) {
        complain("expected the name of the " + std::string(what) + ", found an empty line");
        return {};
    }
    std::string gamePath = "data\\" + nameInData;
    if (!GamePaths::isInsideGameDirectory(gamePath)) {
        error(at, "the " + std::string(what) + " " + inQuotes(nameInData) +
                      " leaves the game directory: the game refuses it");
        return {};
    }
    std::string actual;
    switch (lookUp(gamePath, actual)) {
        case Lookup::Missing: {
            std::string message =
                "the " + std::string(what) + " " + inQuotes(nameInData) + " does not exist";
            std::size_t last = nameInData.find_last_not_of(" \t");
            if (last + 1 != nameInData.size() && paths_.hasDataFile(nameInData.substr(0, last + 1)))
                message += " (the line ends with a blank)";
            complain(std::move(message));
            return {};
        }
        case Lookup::NotAFile:
            complain("the " + std::string(what) + " " + inQuotes(nameInData) + " is " +
                     notAFileText(paths_.resolve(gamePath)));
            return {};
        case Lookup::OtherCase:
            warning(at, "the " + std::string(what) + " " + inQuotes(nameInData) +
                            " exists only as " + inQuotes(actual) +
                            " (another letter case): systems that tell letter cases apart will "
                            "not find it");
            break;
        case Lookup::Exact:
            break;
    }
    return gamePath;
}

std::optional<std::string> Core::fixedFile(const std::string& gamePath, Severity missing,
                                           std::string_view consequence) {
    std::string actual;
    Lookup found = lookUp(gamePath, actual);
    Where wholeFile{shownPath(gamePath), 0};
    if (found == Lookup::Missing) {
        report(missing, wholeFile, "the file does not exist" + std::string(consequence));
        return {};
    }
    if (found == Lookup::NotAFile) {
        report(missing, wholeFile,
               "found " + notAFileText(paths_.resolve(gamePath)) + std::string(consequence));
        return {};
    }
    if (found == Lookup::OtherCase)
        warning(wholeFile, "the game looks for " + inQuotes(gamePath) +
                               ", found only with another letter case");
    return gamePath;
}

std::optional<SourceFile> Core::load(const std::string& gamePath) {
    SourceFile file;
    file.shownPath = shownPath(gamePath);
    try {
        LineReader reader(paths_.resolve(gamePath), file.shownPath);
        while (!reader.atEnd())
            file.lines.push_back(reader.readLine());
    } catch (const DataError& e) {
        report_.error(file.shownPath, e.line(), e.problem());
        return {};
    }
    if (state_.loadedFiles.insert(file.shownPath).second) checkEncoding(gamePath, file);
    return file;
}

// What the line reader lets through but the game reads wrong: a byte-order mark, line
// breaks of CR alone and bytes that are no CP949 characters. Once for each file.
void Core::checkEncoding(const std::string& gamePath, const SourceFile& file) {
    std::size_t first = 0;
    std::ifstream raw(paths_.resolve(gamePath), std::ios::binary);
    char head[3] = {};
    if (raw.read(head, 3) && std::string_view(head, 3) == "\xEF\xBB\xBF") {
        report_.error(file.shownPath, 1,
                      "the file starts with a byte-order mark (bytes EF BB BF), which the game "
                      "reads as part of its first line: save it as CP949 without one");
        first = 1;
    }
    for (std::size_t i = 0; i < file.lines.size(); ++i)
        if (file.lines[i].find('\r') != std::string::npos) {
            report_.error(file.shownPath, static_cast<int>(i + 1),
                          "a line break made of CR alone: the game ends lines only at LF, so "
                          "the lines around it run together (save the file with CR LF)");
            break;
        }
    // A file in another code page has such bytes on most lines: the first few tell it.
    constexpr int kShown = 5;
    int stray = 0;
    for (std::size_t i = first; i < file.lines.size(); ++i) {
        int byte = strayByte(file.lines[i]);
        if (byte < 0) continue;
        if (++stray <= kShown)
            report_.error(file.shownPath, static_cast<int>(i + 1),
                          "byte " + hexByte(byte) +
                              " is no CP949 character (is the file saved in another code page?)");
    }
    if (stray > kShown)
        report_.error(
            file.shownPath, 0,
            std::to_string(stray - kShown) + " more lines hold bytes that are no CP949 characters");
}

std::optional<SourceFile> Core::loadFixedFile(const std::string& gamePath, Severity missing,
                                              std::string_view consequence) {
    if (!fixedFile(gamePath, missing, consequence)) return {};
    return load(gamePath);
}

bool Core::runGameLoader(const std::string& gamePath, const std::function<void()>& load) {
    try {
        load();
        return true;
    } catch (const DataError& e) {
        report_.error(shownPath(gamePath), e.line(), e.problem());
        return false;
    }
}

void Core::queue(const std::string& gamePath, Layout layout) {
    std::string key = paths_.resolve(gamePath).lexically_normal().generic_string();
    if (state_.queuedFiles.insert({key, layout}).second)
        state_.scriptQueue.push_back({gamePath, layout});
}

}  // namespace orrowvale::check
