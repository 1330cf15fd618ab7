#include "report.h"

#include <algorithm>

namespace orrowvale::check {

void Report::error(std::string file, int line, std::string message) {
    found_.push_back({std::move(file), line, Severity::Error, std::move(message)});
}

void Report::warning(std::string file, int line, std::string message) {
    found_.push_back({std::move(file), line, Severity::Warning, std::move(message)});
}

bool Report::hasErrors() const {
    return std::any_of(found_.begin(), found_.end(),
                       [](const Diagnostic& d) { return d.severity == Severity::Error; });
}

bool Report::hasErrorIn(const std::string& file) const {
    return std::any_of(found_.begin(), found_.end(), [&](const Diagnostic& d) {
        return d.severity == Severity::Error && d.file == file;
    });
}

std::vector<Diagnostic> Report::sorted() const {
    std::vector<Diagnostic> list;
    for (const Diagnostic& d : found_)
        if (std::find(list.begin(), list.end(), d) == list.end()) list.push_back(d);
    std::stable_sort(list.begin(), list.end(), [](const Diagnostic& a, const Diagnostic& b) {
        if (a.file != b.file) return a.file < b.file;
        return a.line < b.line;
    });
    return list;
}

std::string Report::text() const {
    std::string out;
    for (const Diagnostic& d : sorted())
        out += formatDiagnostic(d) + "\n";
    return out;
}

std::string formatDiagnostic(const Diagnostic& d) {
    return d.file + ":" + std::to_string(d.line) + ": " +
           (d.severity == Severity::Error ? "error" : "warning") + ": " + d.message;
}

}  // namespace orrowvale::check
