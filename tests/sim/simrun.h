#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orrowvale::testing {

// What one run of the real simulator printed, and how it ended.
struct SimRun {
    std::vector<std::string> lines;
    int exitCode = -1;
};

// Runs orrowvale-sim with `arguments` and collects what it prints on its standard
// output, line by line; standard error is dropped.
SimRun runSim(const std::string& arguments);
// The same for a whole shell command, for a simulator started elsewhere or with an
// environment of its own.
SimRun runCommand(const std::string& command);

// Writes `actions` into `folder`/actions.txt and gives the "--actions FILE" for it.
std::string actionsArgument(const std::filesystem::path& folder, const std::string& actions);

// The lines `action` printed: those after its "> ACTION" line up to the next action
// or the closing "state:" line; one line saying it is missing when it never ran.
std::vector<std::string> printedAfter(const std::vector<std::string>& lines,
                                      const std::string& action);

// The lines without the announcements, which a scripted game's checks pass over.
std::vector<std::string> withoutAnnouncements(const std::vector<std::string>& lines);

}  // namespace orrowvale::testing
