#include "survey.h"

#include <algorithm>
#include <iomanip>
#include <memory>

#include "cautiousplayer.h"
#include "game.h"
#include "lifecycle/createworld.h"
#include "playscript.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"

namespace orrowvale::sim {
namespace {

int monthIndex(const GameState& state) {
    return state.gameYear * kMonthsPerYear + state.gameMonth;
}

int guildMembers(const GameState& state) {
    return guildMemberCount(state);
}

// The epilogue is the announcement that opens with its title.
bool isEpilogue(const std::string& line) {
    return line.starts_with("announce[") && line.find("]: 에필로그") != std::string::npos;
}

// Follows the story through the scenario file the game runs every turn, keeping
// the month (from 1) each chapter and the epilogue were first seen in: a month's
// record is taken after the turn that has already entered the next month.
struct StoryProgress {
    std::string file;
    std::vector<int> chapterMonths;
    int epilogueMonth = 0;

    void follow(const GameState& state, int month) {
        if (state.scenarioFiles[1] == file) return;
        file = state.scenarioFiles[1];
        chapterMonths.push_back(month);
    }
    int reachedBy(int month) const {
        if (epilogueMonth != 0 && epilogueMonth <= month) return 0;
        return static_cast<int>(std::count_if(chapterMonths.begin(), chapterMonths.end(),
                                              [month](int m) { return m <= month; }));
    }
};

// Written whole, every write checked: a full disk is an error naming the file.
void writeTranscript(const std::filesystem::path& file, const std::vector<std::string>& lines,
                     const GameState& state) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    text += "# gold=" + std::to_string(state.gold) +
            " adventureFame=" + std::to_string(state.adventureFame) + "\n";
    writePlainFile(file, text, file.string());
}

// The folder the transcripts go to, made when missing.
void makeTranscriptFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ec && !std::filesystem::is_directory(folder, ec))
        ec = std::make_error_code(std::errc::not_a_directory);
    if (ec)
        throw DataError(folder.string(), 0,
                        "cannot make the folder for the transcripts (" + ec.message() + ")");
}

SurveyGame playOneGame(const SurveyOptions& options, const GamePaths& paths, std::uint64_t seed,
                       const std::optional<std::filesystem::path>& transcriptFile) {
    Dice dice(seed);
    SurveyGame record;
    StoryProgress story;
    // The game's state and its first month, once there is a game: the epilogue is
    // counted in the month it shows in.
    const GameState* live = nullptr;
    int start = 0;
    auto count = [&record, &story, &live, &start](const std::string& line) {
        if (line.find("전멸했습니다") != std::string::npos) ++record.partiesLost;
        if (line.find("모험 도중 사망했습니다") != std::string::npos) ++record.membersLost;
        if (isEpilogue(line) && story.epilogueMonth == 0)
            story.epilogueMonth = live ? monthIndex(*live) - start + 1 : 1;
    };
    TranscriptPresenter presenter(count);
    auto state = std::make_unique<GameState>();
    Game game(*state, paths, dice, presenter);
    if (options.storyPlay)
        createStoryWorld(game, options.character);
    else
        createRandomWorld(game);
    Player player(game, presenter, count);
    CautiousPlayer cautious(player, options.takesFirstQuest);

    start = monthIndex(game.state);
    live = &game.state;
    story.follow(game.state, 1);
    int baseline = -1;
    // A turn may run many turns when the main character is away; a month has 20.
    const int turnLimit = options.months * kTurnsPerWeek * kWeeksPerMonth + 10;
    for (int turn = 0; turn < turnLimit && !game.mainCharacterDied; ++turn) {
        const bool questTakenBefore = cautious.tookFirstQuest();
        cautious.playTurn();
        // The turn's end runs until the main character's party is home again.
        if (!questTakenBefore && cautious.tookFirstQuest())
            record.firstQuest = game.mainCharacterDied ? -1 : 1;
        if (baseline < 0) baseline = guildMembers(game.state);
        const int recruits = std::max(0, guildMembers(game.state) - baseline);
        const int elapsed = monthIndex(game.state) - start;
        story.follow(game.state, elapsed + 1);
        while (static_cast<int>(record.months.size()) < std::min(elapsed, options.months)) {
            record.months.push_back({!game.mainCharacterDied, game.state.gold,
                                     static_cast<long long>(game.state.adventureFame) +
                                         game.state.politicalFame + game.state.covertFame,
                                     recruits, cautious.pubHires(),
                                     story.reachedBy(static_cast<int>(record.months.size()) + 1)});
            if (recruits > 0 && record.firstRecruitMonth == 0)
                record.firstRecruitMonth = static_cast<int>(record.months.size());
        }
        if (elapsed >= options.months) break;
    }
    // After his death the game is over: the months left count him dead.
    const long long fame = static_cast<long long>(game.state.adventureFame) +
                           game.state.politicalFame + game.state.covertFame;
    while (static_cast<int>(record.months.size()) < options.months)
        record.months.push_back({false, game.state.gold, fame,
                                 std::max(0, guildMembers(game.state) - std::max(0, baseline)),
                                 cautious.pubHires(),
                                 story.reachedBy(static_cast<int>(record.months.size()) + 1)});
    record.epilogueMonth = story.epilogueMonth;
    if (transcriptFile) writeTranscript(*transcriptFile, cautious.transcript(), game.state);
    return record;
}

std::string percent(int part, int whole) {
    return std::to_string(whole == 0 ? 0 : (part * 100 + whole / 2) / whole) + "%";
}

}  // namespace

SurveyResult runSurvey(const SurveyOptions& options, const GamePaths& paths) {
    SurveyResult result;
    result.start = options.storyPlay ? "story:" + std::to_string(options.character) : "random";
    result.months = options.months;
    result.takesFirstQuest = options.takesFirstQuest;
    if (options.transcriptDir) makeTranscriptFolder(*options.transcriptDir);
    for (int k = 1; k <= options.games; ++k) {
        std::optional<std::filesystem::path> file;
        if (options.transcriptDir)
            file = *options.transcriptDir / ("game" + std::to_string(k) + ".txt");
        result.games.push_back(playOneGame(options, paths, options.firstSeed + k - 1, file));
    }
    return result;
}

void printSurveyTable(const SurveyResult& result, std::ostream& out) {
    const int games = static_cast<int>(result.games.size());
    out << "survey " << result.start << ": " << games << " games, " << result.months << " months, "
        << (result.takesFirstQuest ? "first-quest" : "cautious") << " player\n";
    int chapters = 1;
    for (const SurveyGame& game : result.games)
        for (const MonthEnd& end : game.months)
            chapters = std::max(chapters, end.chapter);
    out << "month  alive  recruited  gold p10/p50/p90      fame p10/p50/p90  in pub  chapter";
    for (int c = 1; c <= chapters; ++c)
        out << (c == 1 ? " " : "/") << c;
    out << "/epilogue\n";
    for (int m = 0; m < result.months; ++m) {
        int alive = 0;
        int recruited = 0;
        int hiredInPub = 0;
        std::vector<int> atChapter(static_cast<std::size_t>(chapters) + 1, 0);
        std::vector<long long> gold;
        std::vector<long long> fame;
        for (const SurveyGame& game : result.games) {
            const MonthEnd& end = game.months[static_cast<std::size_t>(m)];
            alive += end.alive;
            recruited += end.recruits > 0;
            hiredInPub += end.pubHires > 0;
            ++atChapter[static_cast<std::size_t>(std::clamp(end.chapter, 0, chapters))];
            gold.push_back(end.gold);
            fame.push_back(end.fame);
        }
        out << std::setw(5) << m + 1 << "  " << std::setw(5) << percent(alive, games) << "  "
            << std::setw(9) << percent(recruited, games) << "  " << std::setw(6)
            << percentile(gold, 10) << "/" << std::setw(6) << percentile(gold, 50) << "/"
            << std::setw(6) << percentile(gold, 90) << "  " << std::setw(5) << percentile(fame, 10)
            << "/" << std::setw(5) << percentile(fame, 50) << "/" << std::setw(5)
            << percentile(fame, 90) << "  " << std::setw(6) << percent(hiredInPub, games) << "  ";
        for (int c = 1; c <= chapters; ++c)
            out << (c == 1 ? " " : "/") << percent(atChapter[static_cast<std::size_t>(c)], games);
        out << "/" << percent(atChapter[0], games) << "\n";
    }
    out << "first recruit:";
    for (int m = 0; m <= result.months; ++m) {
        const int count = static_cast<int>(
            std::count_if(result.games.begin(), result.games.end(),
                          [m](const SurveyGame& g) { return g.firstRecruitMonth == m; }));
        out << " " << (m == 0 ? std::string("never") : "month " + std::to_string(m)) << " "
            << percent(count, games) << (m < result.months ? "," : "\n");
    }
    int partiesLost = 0;
    int membersLost = 0;
    int gamesLosingParty = 0;
    int died = 0;
    for (const SurveyGame& game : result.games) {
        partiesLost += game.partiesLost;
        membersLost += game.membersLost;
        gamesLosingParty += game.partiesLost > 0;
        died += !game.months.back().alive;
    }
    out << "parties lost: " << partiesLost << " in " << percent(gamesLosingParty, games)
        << " of games; members lost: " << membersLost << "\n";
    if (result.takesFirstQuest) {
        int taken = 0;
        int survived = 0;
        for (const SurveyGame& game : result.games) {
            taken += game.firstQuest != 0;
            survived += game.firstQuest > 0;
        }
        out << "first quest with the starting party: taken in " << taken
            << " games, main character back from it in " << percent(survived, taken) << "\n";
    }
    out << "endings: main character died " << died << ", still playing " << games - died << "\n";
    out << "epilogue:";
    int shown = 0;
    for (int m = 1; m <= result.months; ++m) {
        const int count = static_cast<int>(
            std::count_if(result.games.begin(), result.games.end(),
                          [m](const SurveyGame& g) { return g.epilogueMonth == m; }));
        shown += count;
        if (count > 0) out << " month " << m << " " << percent(count, games) << ",";
    }
    out << " not shown " << percent(games - shown, games) << "; within " << result.months
        << " months " << percent(shown, games) << "\n";
}

}  // namespace orrowvale::sim
