#include "game/testfiles.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "world/codec.h"

namespace orrowvale::testing {

TempGameDir::TempGameDir() {
    std::random_device entropy;
    root_ = std::filesystem::temp_directory_path() /
            ("orrowvale-test-" + std::to_string(entropy()) + std::to_string(entropy()));
    std::filesystem::create_directories(root_ / "data");
}

TempGameDir::~TempGameDir() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

void TempGameDir::copySampleWorld() const {
    namespace fs = std::filesystem;
    const fs::path source = sampleWorld().gameDirectory();
    const fs::path saves = source / "data" / "save";
    for (auto entry = fs::recursive_directory_iterator(source);
         entry != fs::recursive_directory_iterator(); ++entry) {
        if (entry->path() == saves) {
            entry.disable_recursion_pending();
            continue;
        }
        const fs::path target = root_ / fs::relative(entry->path(), source);
        if (entry->is_directory())
            fs::create_directories(target);
        else
            fs::copy_file(entry->path(), target, fs::copy_options::overwrite_existing);
    }
    for (int slot = 1; slot <= 10; ++slot)
        fs::create_directories(root_ / "data" / "save" / ("save" + std::to_string(slot)));
}

std::filesystem::path TempGameDir::path(std::string_view gamePath) const {
    return root_ / GamePaths::shown(gamePath);
}

void TempGameDir::write(std::string_view gamePath, std::string_view utf8Text) const {
    std::string withCrLf;
    for (char c : utf8Text) {
        if (c == '\n') withCrLf += '\r';
        withCrLf += c;
    }
    writeBytes(gamePath, encodeCp949(withCrLf));
}

void TempGameDir::writeBytes(std::string_view gamePath, std::string_view bytes) const {
    std::filesystem::path file = path(gamePath);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write test file " + file.string());
}

std::string TempGameDir::readBytes(std::string_view gamePath) const {
    std::ifstream in(path(gamePath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

GamePaths sampleWorld() {
    return GamePaths(ORROWVALE_GAME_DIR);
}

std::vector<std::string> folderSnapshot(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string line = fs::relative(entry.path(), folder).generic_string();
        const auto changed = entry.last_write_time().time_since_epoch();
        // Appended piece by piece: GCC 12's optimiser misreads " " + std::to_string(...)
        // as an overlapping copy and stops a Release build.
        line += ' ';
        line += std::to_string(std::chrono::nanoseconds(changed).count());
        if (entry.is_regular_file()) {
            line += ' ';
            line += std::to_string(entry.file_size());
        }
        entries.push_back(std::move(line));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

ScopedEnvironment::~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->second)
            ::setenv(it->first.c_str(), it->second->c_str(), 1);
        else
            ::unsetenv(it->first.c_str());
    }
}

void ScopedEnvironment::remember(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
}

void ScopedEnvironment::set(const std::string& name, const std::string& value) {
    remember(name);
    ::setenv(name.c_str(), value.c_str(), 1);
}

void ScopedEnvironment::unset(const std::string& name) {
    remember(name);
    ::unsetenv(name.c_str());
}

}  // namespace orrowvale::testing
