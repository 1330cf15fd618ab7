#include "game/testfiles.h"

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

}  // namespace orrowvale::testing
