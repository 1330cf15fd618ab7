#pragma once

#include <optional>
#include <string>

#include "core.h"

namespace orrowvale::check {

// One kind of content file: the files of the kind the game opens itself (and the
// lists that name the rest), and the scripts of the kind that wait in the queue.
struct FileKind {
    // Checks the files the game opens itself; queues the scripts they name.
    void (*checkFiles)(Core& core) = nullptr;
    // The layout of the queued files this kind checks, if any, and how.
    std::optional<Layout> layout;
    void (*checkScript)(Core& core, const std::string& gamePath, const SourceFile& file) = nullptr;
};

// The story characters a world offers: "chrstat0.txt" and "chrstat1.txt".
inline constexpr int kStoryCharacters = 2;

// Every kind of content file, in the order their files are checked: a kind reads what
// the kinds before it learnt (the number of cities, of dungeons, of wars...). A new
// kind is one file defining `<name>Kind` and one line here.
#define ORROWVALE_FILE_KINDS(KIND)                                             \
    KIND(world)         /* city list, map picture, city rectangles, nations */ \
    KIND(routes)        /* route files */                                      \
    KIND(characters)    /* place and city lists, story characters */           \
    KIND(names)         /* name lists */                                       \
    KIND(searches)      /* search site lists and search scripts */             \
    KIND(dungeons)      /* dungeon lists, dungeon and monster files */         \
    KIND(questsAndWars) /* quest and war lists, war scripts */                 \
    KIND(trade)         /* trade files */                                      \
    KIND(stories)       /* story texts, rumours */                             \
    KIND(events)        /* contacts and event-dialect scripts */               \
    KIND(scenario)      /* scenario-dialect scripts */

#define ORROWVALE_DECLARE_FILE_KIND(name) extern const FileKind name##Kind;
ORROWVALE_FILE_KINDS(ORROWVALE_DECLARE_FILE_KIND)
#undef ORROWVALE_DECLARE_FILE_KIND

}  // namespace orrowvale::check
