// The actions of the pub, its adventurer list and the conversation window.

#include "playscript.h"

namespace orrowvale::sim {

std::vector<ActionSpec> pubActions() {
    return {};
}

}  // namespace orrowvale::sim
