#include <algorithm>

#include "kinds.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

class Events : public Core {
  public:
    explicit Events(const Core& core) : Core(core) {}
    void checkContacts();
    void pubEventRepeats(const Where& block, const std::set<std::string>& actions);
};

}  // namespace

void Events::checkContacts() {
    auto file = loadFixed("data\\contact\\list.txt");
    if (!file) return;
    const auto& lines = file->lines;
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        if (i + 1 >= lines.size()) {
            if (!isBlankLine(lines[i]))
                report_.error(file->shown, static_cast<int>(i + 1),
                              "the contact " + inQuotes(lines[i]) + " has no event file line");
            break;
        }
        if (isBlankLine(lines[i]))
            report_.error(file->shown, static_cast<int>(i + 1),
                          "an empty line where a contact name belongs: the pairs below it are out "
                          "of step");
        if (auto path = named(lines[i + 1], {file->shown, static_cast<int>(i + 2)}, "event file"))
            queue(*path, Layout::Event);
    }
}

// The pub's event runs at every visit and after every window the player closes in
// the pub: a block that turns no switch says or gives its thing again each time.
void Events::pubEventRepeats(const Where& block, const std::set<std::string>& actions) {
    if (!state_.checkingPubEvent || actions.contains(":switch")) return;
    if (std::all_of(actions.begin(), actions.end(),
                    [](const std::string& word) { return word == ":exitfile"; }))
        return;
    warning(block,
            "the pub event block turns no switch: it runs again at every visit to the pub "
            "(guard it with a switch it turns)");
}

const FileKind eventsKind = {.checkFiles = [](Core& core) { Events(core).checkContacts(); },
                             .layout = Layout::Event,
                             .checkScript =
                                 [](Core& core, const std::string&, const SourceFile& file) {
                                     Events events(core);
                                     std::set<std::string> used;
                                     Cursor c(file);
                                     events.checkBlocks(
                                         c, Dialect::Event, used,
                                         [&](const Where& block, const auto& actions) {
                                             events.pubEventRepeats(block, actions);
                                         });
                                     return used;
                                 }};

}  // namespace orrowvale::check
