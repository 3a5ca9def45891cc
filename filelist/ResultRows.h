#pragma once
// The facts of one entry of a result list, as Export Results writes them:
// what the walk measured and what the log held, never the list's text.
// Plain C++ so the file's format is tested without windows.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/NameForm.h"

namespace zarvik {

// A field without a value is left empty in the file: the previous size of
// an added file, the size now of a deleted one. Every member has an
// initializer, so a row names only the facts it has.
struct ResultRow {
    std::string list{};  // the page's caption (`FilesAddedPage::kCaption`, ...)
    std::string path{};  // the full path in the program's name form
    // Exact bytes; a size below 0 (a file that could not be opened) is
    // written as none.
    std::optional<int64_t> size{};
    std::optional<int64_t> previousSize{};  // as logged
    // Last-write times in the platform's 100 ns ticks since 1601-01-01 UTC,
    // as the size probe takes them.
    std::optional<int64_t> time{};
    std::optional<int64_t> previousTime{};
    std::optional<std::string> version{};  // as recorded, in the code page
    std::optional<std::string> previousVersion{};
    std::string note{};  // the mark the list shows: "same size, newer", "older"
};

// A time, or a size as logged: 0 is none (the log keeps no empty file's
// size, and 0 is no time).
inline std::optional<int64_t> Recorded(int64_t value) {
    return value != 0 ? std::optional<int64_t>(value) : std::nullopt;
}
// A version as recorded: empty is none.
inline std::optional<std::string> Recorded(const std::string& version) {
    return version.empty() ? std::nullopt : std::optional<std::string>(version);
}

// The mark a list shows after an entry (" (same size, newer)", " (32-bit)")
// as a row's note: without its parenthesis.
std::string NoteOfMark(std::string_view mark);

// The facts of the result lists, kept beside their entries by the commands
// that append them (Analyze; Build and Commit for Zero Length Files) and
// emptied wherever a list is emptied, so a list still showing its
// placeholder line has none. One store, owned by the composition root.
class AnalysisResults {
public:
    void Keep(ResultRow row) { rows_.push_back(std::move(row)); }
    // Forgets the rows of the list with that caption.
    void Clear(std::string_view list);
    // The rows of the lists named, list by list in the order given, each
    // list's rows in the order they were kept.
    std::vector<ResultRow> Rows(std::span<const std::string_view> lists) const;

private:
    std::vector<ResultRow> rows_;
};

// ISO 8601 in UTC to the whole second: "2026-12-09T20:44:01Z".
std::string IsoTimeUtc(int64_t ticks);

// The file's bytes: UTF-8 with a byte-order mark, the header row, then one
// record per row in the order given (the caller's page order). `ansi` turns
// the code page's text into UTF-8.
std::string ResultsCsv(std::span<const ResultRow> rows, const AnsiToUtf8& ansi);

}  // namespace zarvik
