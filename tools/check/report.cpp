#include "report.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <tuple>

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

namespace {

// Where a finding goes: its file's place among the files, its line, and the order
// it was found in, which keeps findings on one line in that order.
struct Place {
    std::size_t file;
    int line;
    std::size_t found;

    bool sameLine(const Place& other) const { return file == other.file && line == other.line; }
    bool operator<(const Place& other) const {
        return std::tie(file, line, found) < std::tie(other.file, other.line, other.found);
    }
};

}  // namespace

// A report may hold millions of findings (a file of nothing but wrong lines): the
// sorts move small keys, with the few file names ranked apart, and compare texts
// only of findings on one line, where a repeat can stand. The first sort brings
// repeats together, the second puts the findings of a line back in the order found.
std::vector<const Diagnostic*> Report::inOrder() const {
    std::map<std::string_view, std::size_t> fileRank;
    for (const Diagnostic& d : found_)
        fileRank.try_emplace(d.file, 0);
    std::size_t rank = 0;
    for (auto& [file, place] : fileRank)
        place = rank++;

    std::vector<Place> places;
    places.reserve(found_.size());
    for (std::size_t i = 0; i < found_.size(); ++i)
        places.push_back({fileRank.at(found_[i].file), found_[i].line, i});
    std::sort(places.begin(), places.end(), [&](const Place& a, const Place& b) {
        if (!a.sameLine(b)) return a < b;
        const Diagnostic& x = found_[a.found];
        const Diagnostic& y = found_[b.found];
        return std::tie(x.severity, x.message, a.found) < std::tie(y.severity, y.message, b.found);
    });
    places.erase(std::unique(places.begin(), places.end(),
                             [&](const Place& a, const Place& b) {
                                 return a.sameLine(b) && found_[a.found] == found_[b.found];
                             }),
                 places.end());
    std::sort(places.begin(), places.end());

    std::vector<const Diagnostic*> list;
    list.reserve(places.size());
    for (const Place& place : places)
        list.push_back(&found_[place.found]);
    return list;
}

std::vector<Diagnostic> Report::sorted() const {
    std::vector<Diagnostic> list;
    for (const Diagnostic* d : inOrder())
        list.push_back(*d);
    return list;
}

std::string Report::text() const {
    std::string out;
    for (const Diagnostic* d : inOrder())
        out += formatDiagnostic(*d) + "\n";
    return out;
}

std::string formatDiagnostic(const Diagnostic& d) {
    return d.file + ":" + std::to_string(d.line) + ": " +
           (d.severity == Severity::Error ? "error" : "warning") + ": " + d.message;
}

}  // namespace orrowvale::check
