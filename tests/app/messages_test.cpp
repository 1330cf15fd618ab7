// What may reach an error box: Korean written out in the windows' code, never a
// string made at run time such as a library's English message.

#include "app/ui/messages.h"

#include <string>
#include <type_traits>

namespace orrowvale {
namespace {

static_assert(std::is_convertible_v<const char (&)[10], PlayerText>);
static_assert(!std::is_convertible_v<const char*, PlayerText>);
static_assert(!std::is_convertible_v<std::string, PlayerText>);
static_assert(!std::is_convertible_v<QString, PlayerText>);
static_assert(!std::is_constructible_v<PlayerText, QString>);

}  // namespace
}  // namespace orrowvale
