#include "scripts/storytext.h"

#include "Presenter.h"
#include "game.h"
#include "world/datafiles.h"

namespace orrowvale {

void showStoryText(Game& game, std::string_view file, const std::string& caption,
                   int scrollEndPosition) {
    game.presenter.showStoryText(readStoryText(game.paths, file), caption, scrollEndPosition);
}

}  // namespace orrowvale
