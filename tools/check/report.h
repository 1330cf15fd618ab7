#pragma once

#include <string>
#include <vector>

namespace orrowvale::check {

enum class Severity { Warning, Error };

// One problem of the content: where it is and what is wrong. `file` is the game path
// as shown ("data/quests/q01.scn"); line 0 stands for the file as a whole.
struct Diagnostic {
    std::string file;
    int line = 0;
    Severity severity = Severity::Error;
    std::string message;

    bool operator==(const Diagnostic&) const = default;
};

// Everything the checker found, in the order it found it.
class Report {
  public:
    void error(std::string file, int line, std::string message);
    void warning(std::string file, int line, std::string message);

    bool hasErrors() const;
    bool hasErrorIn(const std::string& file) const;
    // Sorted by file, then line; a problem found twice is listed once.
    std::vector<Diagnostic> sorted() const;
    // "FILE:LINE: error|warning: MESSAGE", one per line, sorted.
    std::string text() const;

  private:
    // The findings as sorted() lists them, without copying them.
    std::vector<const Diagnostic*> inOrder() const;

    std::vector<Diagnostic> found_;
};

std::string formatDiagnostic(const Diagnostic& diagnostic);

}  // namespace orrowvale::check
