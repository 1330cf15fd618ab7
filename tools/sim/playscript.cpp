#include "playscript.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "game.h"
#include "lifecycle/savegame.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale::sim {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Cuts the first blank-separated word off `rest`.
std::string_view nextWord(std::string_view& rest) {
    rest = trim(rest);
    std::size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end]))
        ++end;
    std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

std::string rangeText(const ArgumentForm& arg) {
    if (!arg.words.empty()) {
        std::string text;
        for (std::size_t i = 0; i < arg.words.size(); ++i)
            text += (i == 0 ? "" : i + 1 == arg.words.size() ? " or " : ", ") + arg.words[i];
        return text;
    }
    std::string text =
        "a number from " + std::to_string(arg.min) + " to " + std::to_string(arg.max);
    if (arg.dash) text += " or -";
    return text;
}

int readValue(const ArgumentForm& arg, std::string_view token, const std::string& file, int line) {
    auto fail = [&]() -> int {
        throw DataError(file, line,
                        "the " + arg.what + " must be " + rangeText(arg) + ", not \"" +
                            std::string(token) + "\"");
    };
    if (!arg.words.empty()) {
        for (std::size_t i = 0; i < arg.words.size(); ++i)
            if (token == arg.words[i]) return static_cast<int>(i);
        return fail();
    }
    if (arg.dash && token == "-") return 0;
    int value = 0;
    auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || value < arg.min ||
        value > arg.max)
        return fail();
    return value;
}

const ActionForm* findForm(std::string_view word) {
    for (const ActionForm& form : allActions())
        if (form.word == word) return &form;
    return nullptr;
}

// "cannot read the action file (Is a directory)", from the errno of the failure.
std::string unreadable(int error) {
    return std::string("cannot read the action file (") +
           (error != 0 ? std::strerror(error) : "unknown error") + ")";
}

Action checkLine(std::string_view text, const std::string& file, int line) {
    Action action;
    action.line = line;
    action.text = std::string(trim(text));
    std::string_view rest = text;
    action.word = std::string(nextWord(rest));
    const ActionForm* form = findForm(action.word);
    if (form == nullptr) throw DataError(file, line, "unknown action \"" + action.word + "\"");
    for (const ArgumentForm& arg : form->args) {
        std::string_view token = nextWord(rest);
        if (token.empty()) {
            if (!arg.optional) throw DataError(file, line, action.word + " needs the " + arg.what);
            action.values.push_back(0);
            action.given.push_back(false);
            continue;
        }
        action.values.push_back(readValue(arg, token, file, line));
        action.given.push_back(true);
    }
    const std::string_view name = trim(rest);
    if (form->name == NameUse::None && !name.empty())
        throw DataError(file, line,
                        action.word + " takes nothing more, not \"" + std::string(name) + "\"");
    if (form->name == NameUse::Required && name.empty())
        throw DataError(file, line, action.word + " needs a name");
    action.name = std::string(name);
    action.hasName = !name.empty();
    return action;
}

ArgumentForm numberArg(const char* what, int max) {
    ArgumentForm arg;
    arg.what = what;
    arg.min = 1;
    arg.max = max;
    return arg;
}

}  // namespace

ArgumentForm partyArg() {
    return numberArg("party", kMaxParties);
}
ArgumentForm adventurerArg() {
    return numberArg("adventurer", kMaxAdventurers);
}
ArgumentForm cityArg() {
    return numberArg("city", kMaxCities);
}
// An entry of whichever table of targets is longest.
ArgumentForm entryArg() {
    return numberArg("entry", std::max({kMaxQuests, kMaxWars, kMaxSitesPerCity}));
}
ArgumentForm itemSlotArg() {
    return numberArg("item slot", kGuildItemSlots);
}
ArgumentForm tradeSlotArg() {
    return numberArg("trade slot", kTradeSlotsPerCity);
}
// The grid buttons, one for each place of the formation.
ArgumentForm positionArg() {
    return numberArg("position", kPartySize);
}
ArgumentForm saveSlotArg() {
    return numberArg("slot", kSaveSlots);
}

const std::vector<ActionForm>& allActions() {
    static const std::vector<ActionForm> all = [] {
        std::vector<ActionForm> forms = cityActions();
        for (auto family :
             {pubActions, partyActions, partySetupActions, guildActions, lifecycleActions})
            for (ActionForm& form : family())
                forms.push_back(std::move(form));
        return forms;
    }();
    return all;
}

std::vector<Action> readActions(std::istream& in, const std::string& fileName) {
    std::vector<Action> actions;
    // One byte more than a line may hold, and one for the terminating zero: a line
    // that fills it has no line end within the limit.
    std::vector<char> buffer(kMaxActionLineBytes + 2);
    std::uintmax_t bytesRead = 0;
    for (int line = 1;; ++line) {
        errno = 0;
        in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        if (in.bad()) throw DataError(fileName, 0, unreadable(errno));
        const auto taken = static_cast<std::size_t>(in.gcount());
        if (in.fail() && in.eof() && taken == 0) break;
        // A line too long to be an action is not echoed: it may be megabytes of anything.
        const std::size_t length = in.eof() ? taken : taken - 1;
        if (in.fail() || length > kMaxActionLineBytes)
            throw DataError(fileName, line,
                            "the line is longer than " + std::to_string(kMaxActionLineBytes) +
                                " bytes; no action is that long");
        bytesRead += taken;
        if (bytesRead > kMaxActionFileBytes)
            throw DataError(fileName, 0,
                            "the action file is larger than " +
                                std::to_string(kMaxActionFileBytes / (1024 * 1024)) +
                                " MB; no action file is that long");
        const std::string_view trimmed = trim(std::string_view(buffer.data(), length));
        if (!trimmed.empty() && trimmed.front() != '#')
            actions.push_back(checkLine(trimmed, fileName, line));
        if (in.eof()) break;
    }
    return actions;
}

Chooser chooserPicking(Player& player, int number) {
    return [&player, number](const ListRows& rows) -> std::optional<int> {
        player.list("advlistbox", rows);
        if (offers(rows, number)) return number;
        player.refused(kNotOffered);
        return std::nullopt;
    };
}

Player::Player(Game& game, TranscriptPresenter& presenter, Sink out)
    : game(game), presenter(presenter), out_(std::move(out)) {}

void Player::print(const std::string& line) {
    out_(line);
}

void Player::list(std::string_view control, int number, const std::string& text) {
    print("list[" + std::string(control) + "]: " + std::to_string(number) + " " +
          escapeLineBreaks(text));
}

void Player::list(std::string_view control, const ListRows& rows) {
    for (const ListRow& row : rows)
        list(control, row.number, row.text);
}

void Player::label(std::string_view control, const std::string& text) {
    print("label[" + std::string(control) + "]: " + escapeLineBreaks(text));
}

void Player::refused(const std::string& reason) {
    print("refused: " + reason);
}

int Player::play(const std::vector<Action>& actions) {
    int errors = 0;
    for (const Action& action : actions) {
        print("> " + action.text);
        const ActionForm& form = *findForm(action.word);
        // Any other action first closes the pub and what was open over it.
        if (pub.open && !form.inPub) pub = Pub{};
        try {
            form.run(*this, action);
        } catch (const DataError& error) {
            print(std::string("error: ") + error.what());
            ++errors;
        }
        if (game.mainCharacterDied) break;
    }
    return errors;
}

}  // namespace orrowvale::sim
