// The sample world is what authors copy from: every keyword of both script dialects
// shows up in it at least once, in a file that the runner of that dialect reads.
// The keywords come from the runners' own tables, so a keyword added to a runner
// fails here until the sample world uses it.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/testfiles.h"
#include "scripts/eventrunner.h"
#include "scripts/scenariorunner.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale {
namespace {

std::set<std::string> wordsOf(const std::vector<std::string_view>& keywords) {
    return {keywords.begin(), keywords.end()};
}

struct Dialect {
    std::set<std::string> conditions;
    std::set<std::string> actions;
};

// How a file's blocks are laid out; the dialect follows from the runner that reads it.
enum class Layout { Script, Event, Search, War, Trade };

struct Usage {
    std::set<std::string> conditions;
    std::set<std::string> actions;
};

// A keyword of the other dialect inside a block: its runner would pass it over.
struct Misuse {
    std::string where;  // file:line
    std::string word;
};

// The war runner reads two words of its own inside war files.
const std::set<std::string> kWarWords = {":addpiptovar100", ":endthewar"};

class ContentScan {
  public:
    ContentScan(GamePaths paths, Dialect scenario, Dialect event)
        : paths_(std::move(paths)), scenario_(std::move(scenario)), event_(std::move(event)) {}

    void add(const std::string& file, Layout layout) {
        if (file.empty() || file == kNone) return;
        if (seen_.insert(file + "#" + std::to_string(static_cast<int>(layout))).second)
            queue_.push_back({file, layout});
    }

    void run() {
        while (!queue_.empty()) {
            auto [file, layout] = queue_.front();
            queue_.pop_front();
            ASSERT_TRUE(paths_.hasDataFile(file)) << "the sample world names a missing " << file;
            scan(file, layout);
        }
    }

    const Usage& scenarioUse() const { return scenarioUse_; }
    const Usage& eventUse() const { return eventUse_; }
    const std::vector<Misuse>& misuses() const { return misuses_; }
    int filesScanned() const { return static_cast<int>(seen_.size()); }

  private:
    enum class Section { Outside, BeforeConditions, Conditions, Actions };

    void scan(const std::string& file, Layout layout) {
        const bool isEvent = layout == Layout::Event;
        const Dialect& dialect = isEvent ? event_ : scenario_;
        const Dialect& other = isEvent ? scenario_ : event_;
        Usage& use = isEvent ? eventUse_ : scenarioUse_;
        LineReader in = LineReader::openData(paths_, file);
        Section section = Section::Outside;
        while (!in.atEnd()) {
            const std::string line = in.readLine();
            switch (section) {
                case Section::Outside:
                    section = opening(layout, line);
                    break;
                case Section::BeforeConditions:
                    if (line == "-startopt" || line == marker::optionStart)
                        section = Section::Conditions;
                    else if (line == marker::end)
                        section = Section::Outside;
                    break;
                case Section::Conditions:
                    if (line == marker::optionEnd)
                        section = Section::Actions;
                    else if (dialect.conditions.contains(line))
                        use.conditions.insert(line);
                    else if (other.conditions.contains(line))
                        misuses_.push_back({where(in), line});
                    break;
                case Section::Actions:
                    if (line == closing(layout)) {
                        section = Section::Outside;
                    } else if (layout == Layout::Trade && line == marker::optionStart) {
                        section = Section::Conditions;
                    } else if (dialect.actions.contains(line) ||
                               (layout == Layout::War && kWarWords.contains(line))) {
                        use.actions.insert(line);
                        followOperands(line, in);
                    } else if (other.actions.contains(line)) {
                        misuses_.push_back({where(in), line});
                    }
                    break;
            }
        }
    }

    static std::string where(const LineReader& in) {
        return in.displayName() + ":" + std::to_string(in.lineNumber());
    }

    static Section opening(Layout layout, const std::string& line) {
        switch (layout) {
            case Layout::War:
                if (line == "[onjoin]") return Section::Actions;
                if (line == "[onend]") return Section::Conditions;
                return Section::Outside;
            case Layout::Search:
            case Layout::Trade:
                return line == marker::start ? Section::BeforeConditions : Section::Outside;
            default:
                return line == marker::start ? Section::Conditions : Section::Outside;
        }
    }

    static std::string_view closing(Layout layout) {
        return layout == Layout::War ? std::string_view(":end") : marker::end;
    }

    // Text blocks are passed over (a story line is never a keyword), and files
    // that an action names are scanned in the dialect of the runner that reads them.
    void followOperands(const std::string& keyword, LineReader& in) {
        if (keyword == ":talk") in.readLine();
        if (keyword == ":talk" || keyword == ":talkchr" || keyword == ":announce") {
            while (!in.atEnd() && in.readLine() != marker::textEnd) {
            }
        } else if (keyword == ":addgoto") {
            in.readLine();
            in.readLine();
            add(in.readLine(), Layout::Event);
        } else if (keyword == ":change") {
            in.readLine();
            add(in.readLine(), Layout::Script);
        } else if (keyword == ":changequest") {
            in.readLine();
            add(in.readLine(), Layout::Script);
        }
    }

    GamePaths paths_;
    Dialect scenario_;
    Dialect event_;
    Usage scenarioUse_;
    Usage eventUse_;
    std::vector<Misuse> misuses_;
    std::set<std::string> seen_;
    std::deque<std::pair<std::string, Layout>> queue_;
};

// Pairs of lines "name, file" up to the end of the file (the contact list).
std::vector<std::string> secondLines(const GamePaths& paths, const std::string& file) {
    std::vector<std::string> files;
    LineReader in = LineReader::openData(paths, file);
    while (!in.atEnd()) {
        in.readLine();
        files.push_back(in.readLine());
    }
    return files;
}

// Queues every script and event file the sample world starts from, in its dialect.
void queueStartingFiles(ContentScan& scan, const GamePaths& paths) {
    GameState state;
    loadCityList(state, paths);
    loadPlaceList(state, paths, "common\\commongo.txt");
    for (int story : {0, 1}) {
        LineReader start = LineReader::openData(paths, "chrstat" + std::to_string(story) + ".txt");
        for (int line = 1; line <= 4; ++line)
            start.readLine();
        loadPlaceList(state, paths, start.readLine());
    }
    loadSearchSites(state, paths);
    loadDungeonSites(state, paths);
    loadWars(state, paths);
    loadQuests(state, paths);

    scan.add("scenario\\scenario1.scn", Layout::Script);
    for (const char* character : {"0", "1", "200"}) {
        scan.add(std::string("dateevn\\dateevn") + character + ".evn", Layout::Event);
        scan.add(std::string("pubevent") + character + ".evn", Layout::Event);
    }
    for (const std::string& file : secondLines(paths, "contact\\list.txt"))
        scan.add(file, Layout::Event);
    for (int city = 1; city <= state.cityCount; ++city) {
        for (const Place& place : state.cityPlaces[city])
            scan.add(place.eventFile, Layout::Event);
        for (const SearchSite& site : state.searchSites[city])
            scan.add(site.file, Layout::Search);
        for (const DungeonSite& site : state.dungeonSites[city]) {
            if (site.file == kNone) continue;
            // Every fourth line after "[START]" names the level script.
            LineReader dungeon = LineReader::openData(paths, site.file);
            while (dungeon.skipToMarker(marker::start)) {
                for (int line = 1; line <= 3; ++line)
                    dungeon.readLine();
                scan.add(dungeon.readLine(), Layout::Script);
            }
        }
    }
    for (const War& war : state.wars)
        scan.add(war.file, Layout::War);
    for (const Quest& quest : state.quests)
        scan.add(quest.file, Layout::Script);
    LineReader trade = LineReader::openData(paths, "common\\trade.txt");
    for (int city = 1; city <= state.cityCount; ++city)
        scan.add(trade.readLine(), Layout::Trade);
}

void expectAllUsed(const std::set<std::string>& known, const std::set<std::string>& used,
                   const std::string& what) {
    for (const std::string& word : known)
        EXPECT_TRUE(used.contains(word)) << "no " << what << " of the sample world uses " << word;
}

TEST(SampleWorldScripts, UseEveryKeywordOfBothDialectsAndOnlyWhereItsRunnerReadsIt) {
    const Dialect scenario{wordsOf(scenarioConditionKeywords()), wordsOf(scenarioActionKeywords())};
    const Dialect event{wordsOf(eventConditionKeywords()), wordsOf(eventActionKeywords())};
    // The tables were found where they should be: a scan of nothing proves nothing.
    ASSERT_GE(scenario.conditions.size(), 9u);
    ASSERT_GE(scenario.actions.size(), 23u);
    ASSERT_GE(event.conditions.size(), 3u);
    ASSERT_GE(event.actions.size(), 11u);

    ContentScan scan(testing::sampleWorld(), scenario, event);
    queueStartingFiles(scan, testing::sampleWorld());
    scan.run();
    EXPECT_GT(scan.filesScanned(), 60);

    expectAllUsed(scenario.conditions, scan.scenarioUse().conditions, "scenario-dialect condition");
    Dialect withWar = scenario;
    withWar.actions.insert(kWarWords.begin(), kWarWords.end());
    expectAllUsed(withWar.actions, scan.scenarioUse().actions, "scenario-dialect action block");
    expectAllUsed(event.conditions, scan.eventUse().conditions, "event-file condition");
    expectAllUsed(event.actions, scan.eventUse().actions, "event-file action block");
    for (const Misuse& misuse : scan.misuses())
        ADD_FAILURE() << misuse.where << ": " << misuse.word
                      << " belongs to the other dialect and is passed over here";
}

}  // namespace
}  // namespace orrowvale
