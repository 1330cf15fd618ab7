#include "sim/simrun.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace orrowvale::testing {

SimRun runSim(const std::string& arguments) {
    return runCommand(std::string(ORROWVALE_SIM_TOOL) + " " + arguments);
}

SimRun runCommand(const std::string& command) {
    SimRun run;
    FILE* pipe = popen(("(" + command + ") 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return run;
    std::string line;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        run.lines.push_back(line);
        line.clear();
    }
    if (!line.empty()) run.lines.push_back(line);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string actionsArgument(const std::filesystem::path& folder, const std::string& actions) {
    const std::filesystem::path file = folder / "actions.txt";
    std::ofstream(file, std::ios::binary) << actions;
    return "--actions " + file.string();
}

std::vector<std::string> withoutAnnouncements(const std::vector<std::string>& lines) {
    std::vector<std::string> kept;
    for (const std::string& line : lines)
        if (!line.starts_with("announce")) kept.push_back(line);
    return kept;
}

std::vector<std::string> printedAfter(const std::vector<std::string>& lines,
                                      const std::string& action) {
    auto from = std::find(lines.begin(), lines.end(), "> " + action);
    if (from == lines.end()) return {"missing " + action};
    auto to = std::find_if(from + 1, lines.end(), [](const std::string& line) {
        return line.starts_with("> ") || line.starts_with("state: ");
    });
    return {from + 1, to};
}

}  // namespace orrowvale::testing
