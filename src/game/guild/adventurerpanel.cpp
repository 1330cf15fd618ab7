#include "guild/adventurerpanel.h"

#include <array>

#include "world/adventurer.h"

namespace orrowvale {

std::vector<PanelLine> adventurerPanelLines(const TAdven& adventurer) {
    static constexpr std::array<const char*, 15> kLabels = {
        "namelabel", "sexlabel", "racelabel", "joblabel",   "algnlabel",
        "Label1",    "Label2",   "Label3",    "Label4",     "Label5",
        "Label6",    "wp1label", "wp2label",  "armorlabel", "helmetlabel"};
    const std::vector<std::string> lines = describeAdventurer(adventurer);
    std::vector<PanelLine> panel;
    for (std::size_t i = 0; i < kLabels.size() && i < lines.size(); ++i)
        panel.push_back({kLabels[i], lines[i]});
    return panel;
}

}  // namespace orrowvale
