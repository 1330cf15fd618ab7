#include <algorithm>

#include "kinds.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

void checkContacts(Core& core) {
    auto file = core.loadFixedFile("data\\contact\\list.txt");
    if (!file) return;
    const auto& lines = file->lines;
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        if (i + 1 >= lines.size()) {
            if (!isBlankLine(lines[i]))
                core.error(file->at(static_cast<int>(i + 1)),
                           "the contact " + inQuotes(lines[i]) + " has no event file line");
            break;
        }
        if (isBlankLine(lines[i]))
            core.error(file->at(static_cast<int>(i + 1)),
                       "an empty line where a contact name belongs: the pairs below it are out "
                       "of step");
        if (auto path =
                core.namedFile(lines[i + 1], file->at(static_cast<int>(i + 2)), "event file"))
            core.queue(*path, Layout::Event);
    }
}

// The pub's event runs at every visit and after every window the player closes in
// the pub: a block that turns no switch says or gives its thing again each time.
void warnRepeatingPubBlock(Core& core, const Where& block, const std::set<std::string>& actions) {
    if (!core.state().checkingPubEvent || actions.contains(":switch")) return;
    if (std::all_of(actions.begin(), actions.end(),
                    [](const std::string& word) { return word == ":exitfile"; }))
        return;
    core.warning(block,
                 "the pub event block turns no switch: it runs again at every visit to the pub "
                 "(guard it with a switch it turns)");
}

void checkEventFile(Core& core, const std::string&, const SourceFile& file) {
    Cursor cursor(file);
    core.checkBlocks(cursor, Dialect::Event, [&core](const Where& block, const auto& actions) {
        warnRepeatingPubBlock(core, block, actions);
    });
}

}  // namespace

const FileKind eventsKind = {
    .checkFiles = checkContacts, .layout = Layout::Event, .checkScript = checkEventFile};

}  // namespace orrowvale::check
