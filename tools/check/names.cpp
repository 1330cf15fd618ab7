#include <algorithm>

#include "kinds.h"

namespace orrowvale::check {
namespace {

// The names drawn for new adventurers.
void checkNameLists(Core& core) {
    for (const char* list : {"data\\malename.txt", "data\\fmlname.txt", "data\\fnames.txt"}) {
        auto file = core.loadFixedFile(list);
        if (!file) continue;
        Cursor cursor(*file);
        auto count = core.readNumberToken(cursor, "the number of names");
        if (!count) continue;
        int present = static_cast<int>(file->lines.size()) - cursor.line();
        if (*count < 1)
            core.error(cursor, "a name list needs at least one name");
        else if (*count > present)
            core.warning(cursor, std::to_string(*count) + " names are announced but only " +
                                     std::to_string(present) + " follow: the rest come out empty");
        for (int k = 0; k < std::min(*count, present); ++k)
            if (isBlankLine(file->lines[static_cast<std::size_t>(cursor.line() + k)]))
                core.error(file->at(cursor.line() + k + 1),
                           "an empty name: adventurers who draw it have no name");
    }
}

}  // namespace

const FileKind namesKind = {.checkFiles = checkNameLists, .layout = {}, .checkScript = nullptr};

}  // namespace orrowvale::check
