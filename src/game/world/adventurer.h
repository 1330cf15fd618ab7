#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orrowvale {

class Dice;
class GamePaths;
class LineReader;
class TextFileWriter;
struct GameState;

enum Sex : std::uint8_t { kMale = 1, kFemale = 2 };
enum Race : std::int32_t { kHuman = 1, kElf = 2, kDwarf = 3, kHalfling = 4 };
enum AdventurerClass : std::uint8_t { kWarrior = 1, kMage = 2, kCleric = 3, kThief = 4 };
enum Stat : int { kStrength = 1, kIntelligence, kWisdom, kDexterity, kCharisma, kHealth };

inline constexpr int kStatCount = 6;
inline constexpr int kPlateArmour = 10;
inline constexpr int kChainMail = 20;
inline constexpr int kLeatherArmour = 30;
inline constexpr int kClothes = 40;
inline constexpr int kHelmetWorn = 10;

// One person of the world, the main character included. A slot whose name is
// "None" is free.
class TAdven {
  public:
    std::string name = "None";
    std::string familyName;
    std::uint8_t sex = 0;
    std::int32_t location = 0;  // city number; 0 = nowhere
    std::int32_t isGuildMember = 0;
    std::int32_t extraValue = 0;  // kept and saved, read by no rule
    std::uint8_t busyFlag = 0;    // away with a travelling or adventuring party
    std::uint8_t alignment = 0;
    std::uint8_t school = 0;  // magic school of a mage, else 0
    std::int32_t race = 0;
    std::uint8_t adventurerClass = 0;
    std::int32_t weapon1 = 0;
    std::int32_t weapon2 = 0;
    std::int32_t armour = 0;
    std::int32_t helmet = 0;  // 10 or more: wears a helmet
    std::int32_t mageNumber = 0;
    std::uint8_t stayFlag = 0;  // keeps the adventurer out of the weekly wandering
    std::array<std::uint8_t, kStatCount> stats{};

    bool isFree() const { return name == "None"; }
    // Ability 1..6 (strength .. health).
    std::uint8_t& stat(int number) { return stats.at(static_cast<std::size_t>(number - 1)); }
    std::uint8_t stat(int number) const { return stats.at(static_cast<std::size_t>(number - 1)); }
    bool wearsHelmet() const { return helmet >= kHelmetWorn; }

    bool operator==(const TAdven&) const = default;
};

// The three name files, read once for a whole population.
struct NameLists {
    struct List {
        int count = 0;                   // the count the file claims on its first line
        std::vector<std::string> names;  // the names actually present
        // Name k (1-based); empty when the file claims more names than it holds.
        std::string pick(int k) const;
    };
    List male;
    List female;
    List family;
};

NameLists loadNameLists(const GamePaths& paths);

// Overwrites `adventurer` with a new random person.
void generateAdventurer(TAdven& adventurer, Dice& dice, const NameLists& names);
// A weapon code for a member of the class, from two d100s (family, then type).
int rollWeapon(int adventurerClass, Dice& dice);
// Fills the world city by city with 1 to 20 random people each; slot 1000 is never
// used. Returns how many were generated.
int populateAdventurers(GameState& state, Dice& dice, const NameLists& names);
// A new random person joins the guild in `currentCity`, in the highest free
// adventurer slot and roster entry. Returns the number, or 0 (nothing changed) when
// either is full.
int recruitRandomMember(GameState& state, Dice& dice, const NameLists& names);

// Reads an adventurer file. The adventurer is changed only when the whole file
// was read; a DataError leaves it as it was. A coded value outside its codes, or
// a line more than the layout holds, is refused. A file the game saved must also
// end in a line end (`savedByTheGame`), so that one cut inside its last line is
// refused too.
void loadAdventurer(TAdven& adventurer, const std::filesystem::path& file,
                    const std::string& displayName, bool savedByTheGame = false);
void loadAdventurer(TAdven& adventurer, const GamePaths& paths, std::string_view gamePath);
// The same from a file already opened.
void loadAdventurer(TAdven& adventurer, LineReader& reader, bool savedByTheGame);
// Writes the 23 lines of an adventurer file (CP949, CR LF).
void writeAdventurerLines(const TAdven& adventurer, TextFileWriter& out);
std::string adventurerFileBytes(const TAdven& adventurer, const std::string& displayName);
void saveAdventurer(const TAdven& adventurer, const std::filesystem::path& file,
                    const std::string& displayName);

void removeAdventurer(TAdven& adventurer);
int abilityTotal(const TAdven& adventurer);

// The name as Koreans write it, family name first and no space: "윤한결".
std::string fullName(const TAdven& adventurer);

// "없음" for no weapon.
inline constexpr const char* kNoWeapon = "없음";
std::string weaponName(int code);
int weaponRowValue(int code, int row);  // row 1 front .. 3 rear
std::string armourName(int code);
int armourDefence(int code);
int classRowBonus(int adventurerClass, int row);
std::string sexName(int sex);
std::string raceName(int race);
std::string className(int adventurerClass);
std::string alignmentName(int alignment);
std::string schoolName(int school);
std::string ratingWord(int value);
std::string itemName(int code);

// The description lines of the adventurer panel, in order: name, sex, race, class,
// alignment, the six abilities, two weapons, armour, helmet.
std::vector<std::string> describeAdventurer(const TAdven& adventurer);

// Gold found on a dungeon's record level: 1..L for treasure kinds 1..10; 0 for an
// unknown kind.
int rollTreasure(int kind, Dice& dice);
// The most rollTreasure can give for `kind`.
int treasureMost(int kind);

}  // namespace orrowvale
