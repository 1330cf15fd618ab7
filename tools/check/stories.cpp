#include <algorithm>

#include "kinds.h"
#include "lifecycle/createworld.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

void checkStoryText(Core& core, const std::string& gamePath) {
    auto file = core.loadFixedFile(gamePath);
    if (!file ||
        std::find(file->lines.begin(), file->lines.end(), marker::textStart) != file->lines.end())
        return;
    for (std::size_t i = 0; i < file->lines.size(); ++i)
        if (!slippedMarker(file->lines[i], {marker::textStart}).empty()) {
            core.error(file->at(static_cast<int>(i + 1)),
                       slippedMarkerMessage(file->lines[i], marker::textStart) +
                           "; without it the text is empty");
            return;
        }
    core.error(file->at(0), "the file has no \"&start\" line: its text is empty");
}

void checkGossip(Core& core) {
    auto file = core.loadFixedFile("data\\gossip\\gossip.txt");
    if (!file) return;
    Cursor cursor(*file);
    auto count = core.readNumberToken(cursor, "the number of rumours");
    if (!count) return;
    Where at = cursor.here();
    std::vector<int> starts;
    for (std::size_t i = 0; i < file->lines.size(); ++i) {
        if (file->lines[i] == ":start") starts.push_back(static_cast<int>(i));
        if (!slippedMarker(file->lines[i], {":start"}).empty())
            core.error(file->at(static_cast<int>(i + 1)),
                       slippedMarkerMessage(file->lines[i], ":start"));
    }
    int rumours = static_cast<int>(starts.size());
    if (rumours > 0) {
        bool lastHolds = false;
        for (std::size_t i = starts.back() + 1; i < file->lines.size(); ++i)
            lastHolds = lastHolds || !isBlankLine(file->lines[i]);
        if (!lastHolds) --rumours;  // the closing ":start"
    }
    if (*count < 1)
        core.error(at, "the gossip file must announce at least one rumour");
    else if (*count > rumours)
        core.error(at, std::to_string(*count) + " rumours are announced but the file holds " +
                           std::to_string(rumours) + ": a roll beyond them shows an empty box");
    else if (*count < rumours)
        core.warning(at, "the file holds " + std::to_string(rumours) + " rumours but announces " +
                             std::to_string(*count) + ": the rest are never told");
}

void checkStories(Core& core) {
    for (const char* text : {"data\\prologue\\alfred.txt", "data\\prologue\\alfred2.txt",
                             "data\\prologue\\alfred3.txt", "data\\prologue\\alfred4.txt",
                             "data\\prologue\\common.txt", "data\\common\\death.txt"})
        checkStoryText(core, text);
    for (int character = 1; character < kStoryCharacters; ++character)
        for (int part = 1; part <= 9; ++part) {
            const std::string text = storyProloguePart(character, part);
            if (!core.paths().hasDataFile(text)) break;
            checkStoryText(core, "data\\" + text);
        }
    checkGossip(core);
}

}  // namespace

const FileKind storiesKind = {.checkFiles = checkStories, .layout = {}, .checkScript = nullptr};

}  // namespace orrowvale::check
