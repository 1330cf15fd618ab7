#include "game.h"
#include "kinds.h"
#include "parties/travel.h"
#include "scripts/scenariorunner.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale::check {
namespace {

#define ORROWVALE_LIST_FILE_KIND(name) &name##Kind,
const FileKind* const kFileKinds[] = {ORROWVALE_FILE_KINDS(ORROWVALE_LIST_FILE_KIND)};
#undef ORROWVALE_LIST_FILE_KIND

const FileKind* kindOf(Layout layout) {
    for (const FileKind* kind : kFileKinds)
        if (kind->layout == layout) return kind;
    return nullptr;
}

// Checks the scripts in the order the lists queued them; a script may queue more.
void checkQueued(Core& core) {
    CheckState& state = core.state();
    for (std::size_t i = 0; i < state.scriptQueue.size(); ++i) {
        auto [gamePath, layout] = state.scriptQueue[i];
        auto file = core.load(gamePath);
        if (!file) continue;
        state.checkingLayout = layout;
        state.checkingPubEvent = layout == Layout::Event && state.pubEvents.contains(gamePath);
        state.checkingWithParty =
            layout == Layout::Search || layout == Layout::War ||
            (layout == Layout::Scenario && state.partyScripts.contains(gamePath));
        if (const FileKind* kind = kindOf(layout)) kind->checkScript(core, gamePath, *file);
    }
}

// Reads the world once more with the game's own loaders and trade refresh, so that
// anything they refuse is reported even where the checks above missed it. Files the
// checks already found broken, and files that cannot be opened (named above at the
// line that names them), are not reported twice.
void loadAsTheGameDoes(const GamePaths& paths, Report& report) {
    GameState state;
    Dice dice(1);
    TranscriptPresenter presenter;
    Game game(state, paths, dice, presenter);
    auto attempt = [&](auto&& load) {
        try {
            load();
        } catch (const DataError& e) {
            if (e.line() > 0 && !report.hasErrorIn(e.file()))
                report.error(e.file(), e.line(), e.problem());
        }
    };
    attempt([&] { loadCityList(state, paths); });
    attempt([&] { loadRouteFiles(state, paths); });
    attempt([&] { loadPlaceList(state, paths, "common\\commongo.txt"); });
    attempt([&] { loadVisitableCities(state, paths, "common\\commoncity.txt"); });
    attempt([&] { loadSearchSites(state, paths); });
    attempt([&] { loadDungeonSites(state, paths); });
    attempt([&] { loadWars(state, paths); });
    attempt([&] { loadQuests(state, paths); });
    attempt([&] { (void)loadNameLists(paths); });
    attempt([&] { refreshTradeGoods(game); });
    for (int city = 1; city <= state.cityBound(); ++city)
        attempt([&] { (void)prepareMove(game, city); });
}

}  // namespace

Report checkGame(const GamePaths& paths) {
    Report report;
    CheckState state;
    Core core(paths, report, state);
    for (const FileKind* kind : kFileKinds)
        if (kind->checkFiles) kind->checkFiles(core);
    checkQueued(core);
    loadAsTheGameDoes(paths, report);
    return report;
}

}  // namespace orrowvale::check
