#include <algorithm>

#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

class Stories : public Core {
  public:
    explicit Stories(const Core& core) : Core(core) {}
    void checkAll();

  private:
    void checkStoryText(const std::string& gamePath);
    void checkGossip();
};

}  // namespace

void Stories::checkStoryText(const std::string& gamePath) {
    auto file = loadFixed(gamePath);
    if (!file ||
        std::find(file->lines.begin(), file->lines.end(), marker::textStart) != file->lines.end())
        return;
    for (std::size_t i = 0; i < file->lines.size(); ++i)
        if (!slippedMarker(file->lines[i], {marker::textStart}).empty()) {
            report_.error(file->shown, static_cast<int>(i + 1),
                          slippedMarkerMessage(file->lines[i], marker::textStart) +
                              "; without it the text is empty");
            return;
        }
    report_.error(file->shown, 0, "the file has no \"&start\" line: its text is empty");
}

void Stories::checkGossip() {
    auto file = loadFixed("data\\gossip\\gossip.txt");
    if (!file) return;
    Cursor c(*file);
    auto count = numberToken(c, "the number of rumours");
    if (!count) return;
    Where at{file->shown, c.line()};
    std::vector<int> starts;
    for (std::size_t i = 0; i < file->lines.size(); ++i) {
        if (file->lines[i] == ":start") starts.push_back(static_cast<int>(i));
        if (!slippedMarker(file->lines[i], {":start"}).empty())
            report_.error(file->shown, static_cast<int>(i + 1),
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
        error(at, "the gossip file must announce at least one rumour");
    else if (*count > rumours)
        error(at, std::to_string(*count) + " rumours are announced but the file holds " +
                      std::to_string(rumours) + ": a roll beyond them shows an empty box");
    else if (*count < rumours)
        warning(at, "the file holds " + std::to_string(rumours) + " rumours but announces " +
                        std::to_string(*count) + ": the rest are never told");
}

void Stories::checkAll() {
    for (const char* text : {"data\\prologue\\alfred.txt", "data\\prologue\\alfred2.txt",
                             "data\\prologue\\alfred3.txt", "data\\prologue\\alfred4.txt",
                             "data\\prologue\\common.txt", "data\\common\\death.txt"})
        checkStoryText(text);
    checkGossip();
}

const FileKind storiesKind = {.checkFiles = [](Core& core) { Stories(core).checkAll(); },
                              .layout = {},
                              .checkScript = nullptr};

}  // namespace orrowvale::check
