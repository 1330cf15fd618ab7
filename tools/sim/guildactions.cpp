// The actions of the guild windows: party setup and the chooser, the detail
// panels, equipment and the trading post.

#include "playscript.h"

namespace orrowvale::sim {

std::vector<ActionSpec> guildActions() {
    return {};
}

}  // namespace orrowvale::sim
