#include "world/gamepaths.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "world/datafiles.h"

namespace orrowvale {
namespace {

std::vector<std::string> splitGamePath(std::string_view gamePath) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : gamePath) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The entry of `dir` named `name` in any letter case; empty when there is none.
std::string findIgnoringCase(const std::filesystem::path& dir, const std::string& name) {
    std::error_code ec;
    std::filesystem::directory_iterator it(dir, ec), end;
    std::string best;
    for (; !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        // Several matches: take the smallest name, so the choice never depends on
        // the order the directory happens to list them in.
        if (sameIgnoringCase(candidate, name) && (best.empty() || candidate < best))
            best = candidate;
    }
    return best;
}

// `parts` under `root`, each part in the letter case the disk has it when only
// another case exists.
std::filesystem::path resolveUnder(const std::filesystem::path& root,
                                   const std::vector<std::string>& parts) {
    std::filesystem::path exact = root;
    for (const std::string& part : parts)
        exact /= part;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) return exact;  // the usual case: one look

    std::filesystem::path result = root;
    bool found = true;
    for (const std::string& part : parts) {
        if (found && !std::filesystem::exists(result / part, ec)) {
            std::string other = findIgnoringCase(result, part);
            if (!other.empty()) {
                result /= other;
                continue;
            }
            found = false;  // the rest cannot exist either: keep the names as written
        }
        result /= part;
    }
    return result;
}

}  // namespace

GamePaths::GamePaths() : root_(std::filesystem::current_path()) {}

GamePaths::GamePaths(std::filesystem::path gameDirectory) : root_(std::move(gameDirectory)) {}

GamePaths::GamePaths(std::filesystem::path gameDirectory, SaveFolder saves)
    : root_(std::move(gameDirectory)), saves_(std::move(saves)) {}

bool GamePaths::isInsideGameDirectory(std::string_view gamePath) {
    // One pass, copying nothing: a save checks some 20,000 names.
    std::size_t partStart = 0;
    for (std::size_t i = 0; i <= gamePath.size(); ++i) {
        const char c = i < gamePath.size() ? gamePath[i] : '/';
        if (c == '\0') return false;
        if (c != '\\' && c != '/') continue;
        if (i - partStart == 2 && gamePath[partStart] == '.' && gamePath[partStart + 1] == '.')
            return false;
        partStart = i + 1;
    }
    return true;
}

bool GamePaths::isSavePath(std::string_view gamePath) {
    const std::vector<std::string> parts = splitGamePath(gamePath);
    return parts.size() >= 2 && sameIgnoringCase(parts[0], "data") &&
           sameIgnoringCase(parts[1], "save");
}

std::filesystem::path GamePaths::saveFolderPath() const {
    switch (saves_.place) {
        case SaveFolder::Place::Home:
            return saves_.folder;
        case SaveFolder::Place::Nowhere:
            return {};
        case SaveFolder::Place::GameDirectory:
            break;
    }
    return resolve("data\\save");
}

std::filesystem::path GamePaths::resolve(std::string_view gamePath) const {
    if (!isInsideGameDirectory(gamePath))
        throw DataError(shown(gamePath), 0, "the file name leaves the game directory");
    std::vector<std::string> parts = splitGamePath(gamePath);
    std::filesystem::path root = root_;
    if (saves_.place != SaveFolder::Place::GameDirectory && isSavePath(gamePath)) {
        if (saves_.place == SaveFolder::Place::Nowhere)
            throw DataError(shown(gamePath), 0, saves_.problem);
        root = saves_.folder;
        parts.erase(parts.begin(), parts.begin() + 2);
    }
    return resolveUnder(root, parts);
}

std::string GamePaths::shownPath(std::string_view gamePath) const {
    if (saves_.place != SaveFolder::Place::Home || !isSavePath(gamePath) ||
        !isInsideGameDirectory(gamePath))
        return shown(gamePath);
    std::filesystem::path path = saves_.folder;
    const std::vector<std::string> parts = splitGamePath(gamePath);
    for (std::size_t i = 2; i < parts.size(); ++i)
        path /= parts[i];
    return path.string();
}

std::string GamePaths::shown(std::string_view gamePath) {
    std::string text(gamePath);
    for (char& c : text)
        if (c == '\\') c = '/';
    return text;
}

std::filesystem::path GamePaths::data(std::string_view nameInData) const {
    return resolve("data\\" + std::string(nameInData));
}

GamePaths::WrittenFile GamePaths::writtenDataFile(std::string_view nameInData) const {
    const std::string gamePath = "data\\" + std::string(nameInData);
    switch (saves_.place) {
        case SaveFolder::Place::Home: {
            if (!isInsideGameDirectory(nameInData))
                throw DataError(shown(gamePath), 0, "the file name leaves the game directory");
            std::filesystem::path file = saves_.folder.parent_path();
            for (const std::string& part : splitGamePath(nameInData))
                file /= part;
            // The home folder may not exist before the first save.
            std::error_code ec;
            std::filesystem::create_directories(file.parent_path(), ec);
            return {file, file.string()};
        }
        case SaveFolder::Place::Nowhere:
            throw DataError(shown(gamePath), 0, saves_.problem);
        case SaveFolder::Place::GameDirectory:
            break;
    }
    return {data(nameInData), shown(gamePath)};
}

bool GamePaths::hasDataFile(std::string_view nameInData) const {
    if (cachedBytes("data\\" + std::string(nameInData))) return true;
    std::error_code ec;
    return std::filesystem::is_regular_file(data(nameInData), ec);
}

struct GamePaths::Kept {
    explicit Kept(const std::filesystem::path& root) : gameDirectory(root) {}
    std::unordered_map<std::string, std::string> files;
    FolderReader gameDirectory;
};

GamePaths::ReadCache::ReadCache(const GamePaths& paths) : paths_(paths), opened_(!paths.kept_) {
    if (opened_) paths_.kept_ = std::make_shared<Kept>(paths.root_);
}

GamePaths::ReadCache::~ReadCache() {
    if (opened_) paths_.kept_.reset();
}

const std::string* GamePaths::cachedBytes(const std::string& gamePath) const {
    if (!kept_) return nullptr;
    auto found = kept_->files.find(gamePath);
    return found == kept_->files.end() ? nullptr : &found->second;
}

std::optional<std::string> GamePaths::readInGameDirectory(std::string_view gamePath,
                                                          const std::string& shown) const {
    if (!kept_ || !isInsideGameDirectory(gamePath) || isSavePath(gamePath)) return std::nullopt;
    std::string relative;
    for (const std::string& part : splitGamePath(gamePath))
        relative += (relative.empty() ? "" : "/") + part;
    if (relative.empty()) return std::nullopt;
    return kept_->gameDirectory.read(relative, shown);
}

void GamePaths::keepBytes(const std::string& gamePath, const std::string& bytes) const {
    if (kept_) kept_->files.emplace(gamePath, bytes);
}

}  // namespace orrowvale
