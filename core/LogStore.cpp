#include "core/LogStore.h"

#include <charconv>
#include <map>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "core/TextHelpers.h"

namespace zarvik {
namespace {

constexpr std::string_view LineEnd = "\r\n";

// A text editor may put the UTF-8 mark before the first line; the platform
// reads past it.
size_t FirstLineStart(std::string_view text) {
    constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
    return text.starts_with(Utf8Mark) ? Utf8Mark.size() : 0;
}

// The blanks the platform's INI functions trim: space, tab, the line-end
// and form-feed controls and Ctrl-Z (the old end-of-file mark). Other
// control bytes are part of a name or value.
bool IsIniBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

struct Span {
    size_t start;
    size_t end;
    bool Empty() const { return start == end; }
    size_t Length() const { return end - start; }
};

Span Trimmed(std::string_view text, size_t start, size_t end) {
    const std::string_view kept = zarvik::Trimmed(text.substr(start, end - start), IsIniBlank);
    const size_t from = static_cast<size_t>(kept.data() - text.data());
    return {from, from + kept.size()};
}

// Names and values reach the platform's callers as C strings, so a NUL
// byte ends them, whatever follows it on the line.
std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// A name as a caller asks for it: blanks around it do not count and a NUL
// ends it, as for the names in the file.
std::string_view AskedName(std::string_view name) {
    name = UpToNul(name);
    const Span trimmed = Trimmed(name, 0, name.size());
    return name.substr(trimmed.start, trimmed.Length());
}

template <typename Number>
std::optional<Number> ParseWhole(std::string_view text, int base) {
    Number value{};
    const char* last = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), last, value, base);
    if (text.empty() || error != std::errc() || stop != last) return std::nullopt;
    return value;
}

// Decimal spans 64 bits, for files of many gigabytes; hexadecimal spans
// 32, as the platform reads it, so "0xFFFFFFFF" reads as -1.
std::optional<int64_t> ParseInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const std::optional<uint32_t> bits = ParseWhole<uint32_t>(text.substr(2), 16);
        if (!bits) return std::nullopt;
        return static_cast<int32_t>(*bits);
    }
    // from_chars takes "-" but not "+"; a "+" must be followed by a digit.
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
        if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
    }
    return ParseWhole<int64_t>(text, 10);
}

std::string EntryLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + value.size() + 3);
    line.append(key).append("=").append(value).append(LineEnd);
    return line;
}

}  // namespace

LogWriteError::LogWriteError(const std::string& path) : std::runtime_error("Unable to write to " + path) {}

LogStore::LogStore(std::string path, LogFileSystem& fileSystem)
    : path_(std::move(path)), fileSystem_(fileSystem), fold_(fileSystem.NameFold()) {}

// ---- Reading the file ----

LogStore::Index LogStore::Parse(const std::string& text) const {
    const size_t begin = FirstLineStart(text);
    // Lines before the first header belong to a section without a name, as
    // for the platform; a later "[]" repeats that name and so is never read.
    Index index;
    index.sections.push_back(Section{std::string(), std::string(), begin, begin, {}, {}});
    index.sectionByName.emplace(std::string(), 0);
    size_t current = 0;  // the section the lines belong to
    // A line ends at CR LF, LF or a lone CR, as the platform reads them.
    for (size_t lineStart = begin; lineStart < text.size();) {
        const size_t newline = text.find_first_of("\r\n", lineStart);
        size_t lineEnd = text.size();
        if (newline != std::string::npos)
            lineEnd = newline + (text.compare(newline, 2, "\r\n") == 0 ? 2 : 1);
        ParseLine(text, lineStart, lineEnd, index, current);
        lineStart = lineEnd;
    }
    return index;
}

// Hand-edited files are read the forgiving way: blanks around names, "=" and
// values, ";" comments, blank lines and lines without "=" are all allowed.
// As with the platform's INI functions, a comment that holds "=" can still
// be read by its name (";" may start a file name) but is never listed, and
// an entry without a name is neither.
void LogStore::ParseLine(const std::string& text, size_t lineStart, size_t lineEnd, Index& index,
                         size_t& current) const {
    const Span line = Trimmed(text, lineStart, lineEnd);
    if (line.Empty()) return;

    const std::string_view content = std::string_view(text).substr(line.start, line.Length());
    // A "[" without its "]" is no header: like the platform, read it as an
    // ordinary line of the section it stands in.
    const size_t close = content.front() == '[' ? content.rfind(']') : std::string_view::npos;
    if (close != std::string_view::npos) {
        const Span name = Trimmed(text, line.start + 1, line.start + close);
        const std::string_view written = UpToNul(std::string_view(text).substr(name.start, name.Length()));
        Section section{std::string(written), fold_(written), lineStart, lineEnd, {}, {}};
        current = index.sections.size();
        index.sectionByName.emplace(section.foldedName, current);
        index.sections.push_back(std::move(section));
        return;
    }

    const size_t equals = content.find('=');
    if (equals == std::string_view::npos) return;
    const Span key = Trimmed(text, line.start, line.start + equals);
    const Span value = Trimmed(text, line.start + equals + 1, line.end);
    Section& section = index.sections[current];
    const std::string_view name = UpToNul(std::string_view(text).substr(key.start, key.Length()));
    if (!name.empty()) AddEntry(section, name, value.start, value.Length());
    section.end = lineEnd;
}

// A repeated key is not indexed: the first occurrence is the one read and rewritten.
void LogStore::AddEntry(Section& section, std::string_view key, size_t valueStart, size_t valueLength) const {
    if (section.entryByKey.emplace(fold_(key), section.entries.size()).second)
        section.entries.push_back(
            Entry{std::string(key), valueStart, valueStart + valueLength, key.empty() || key.front() != ';'});
}

// The cheap stamp check that lets every operation trust the parsed copy.
void LogStore::Refresh() {
    const std::optional<FileStamp> stamp = fileSystem_.Stamp(path_);
    if (ownWritePending_) {
        // The file as our last write left it: its stamp is ours. Another
        // program's change in between shows as a different size, like a
        // change within one tick of the file system's clock, not at all.
        ownWritePending_ = false;
        if (stamp && stamp->size == ownWriteSize_) stamp_ = stamp;
    }
    if (cacheCurrent_ && stamp == stamp_) return;
    Reload(stamp);
}

void LogStore::SettleOwnWrite() {
    if (!ownWritePending_) return;
    ownWritePending_ = false;
    const std::optional<FileStamp> stamp = fileSystem_.Stamp(path_);
    if (stamp && stamp->size == ownWriteSize_) {
        stamp_ = stamp;
    } else {
        cacheCurrent_ = false;
    }
}

// Stamp first, then read: a change slipping in between leaves an old stamp
// beside newer text, which the next check notices and reads again.
void LogStore::Reload(const std::optional<FileStamp>& stamp) {
    // Changed by another program, perhaps replaced: a held handle may point
    // at the old file.
    if (batches_ > 0) {
        fileSystem_.Release();
        fileSystem_.Hold(path_);
    }
    std::optional<std::string> text = stamp ? fileSystem_.ReadAll(path_) : std::optional<std::string>(std::string());
    readable_ = text.has_value();
    text_ = readable_ ? std::move(*text) : std::string();
    index_ = Parse(text_);
    stamp_ = stamp;
    cacheCurrent_ = readable_;
}

// Writing on top of a file we could not read would destroy what it holds.
void LogStore::PrepareWrite() {
    Refresh();
    if (!readable_) throw LogWriteError(path_);
}

const LogStore::Section* LogStore::FindSection(std::string_view section) const {
    const auto found = index_.sectionByName.find(fold_(AskedName(section)));
    return found == index_.sectionByName.end() ? nullptr : &index_.sections[found->second];
}

const LogStore::Entry* LogStore::FindEntry(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (!found) return nullptr;
    const auto entry = found->entryByKey.find(fold_(AskedName(key)));
    return entry == found->entryByKey.end() ? nullptr : &found->entries[entry->second];
}

std::optional<std::string_view> LogStore::FindValue(std::string_view section, std::string_view key) {
    Refresh();
    const Entry* entry = FindEntry(section, key);
    if (!entry) return std::nullopt;
    // The whole value stays the entry's span, so that a rewrite replaces
    // what follows a NUL too.
    std::string_view value =
        UpToNul(std::string_view(text_).substr(entry->valueStart, entry->valueEnd - entry->valueStart));
    // A value in quotes reads without them, as the platform reads it.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// ---- Operations ----

int64_t LogStore::ReadInteger(std::string_view section, std::string_view key, int64_t def) {
    const std::optional<std::string_view> value = FindValue(section, key);
    if (!value) return def;
    return ParseInteger(*value).value_or(def);
}

void LogStore::WriteInteger(std::string_view section, std::string_view key, int64_t value) {
    WriteString(section, key, std::to_string(value));
}

std::pair<std::optional<size_t>, bool> LogStore::Placement(std::string_view section) const {
    const auto found = index_.sectionByName.find(fold_(AskedName(section)));
    if (found == index_.sectionByName.end()) return {std::nullopt, true};
    return {found->second, found->second + 1 == index_.sections.size()};
}

bool LogStore::AddsAtEnd(std::string_view section) {
    Refresh();
    return Placement(section).second;
}

void LogStore::WriteIntegers(std::string_view section,
                             const std::vector<std::pair<std::string, int64_t>>& values) {
    std::vector<std::pair<std::string, std::string>> texts;
    texts.reserve(values.size());
    for (const auto& [key, value] : values) texts.emplace_back(key, std::to_string(value));
    WriteStrings(section, texts);
}

void LogStore::WriteStrings(std::string_view section,
                            const std::vector<std::pair<std::string, std::string>>& values) {
    if (values.empty()) return;
    PrepareWrite();
    section = AskedName(section);
    size_t first = 0;
    auto [found, atEnd] = Placement(section);
    if (!found) {
        // A new section starts with its header and first key.
        AppendSection(section, AskedName(values.front().first), values.front().second);
        first = 1;
        std::tie(found, atEnd) = Placement(section);
    }
    const Section& target = index_.sections[*found];
    std::map<size_t, std::pair<size_t, std::string>> rewritten;  // value start -> end, new value
    std::vector<std::pair<std::string, std::string>> added;      // in order, the last value kept
    std::unordered_map<std::string, size_t> addedByKey;
    for (size_t i = first; i < values.size(); ++i) {
        const std::string_view key = AskedName(values[i].first);
        const std::string folded = fold_(key);
        std::string value = values[i].second;
        if (const auto entry = target.entryByKey.find(folded); entry != target.entryByKey.end()) {
            const Entry& e = target.entries[entry->second];
            rewritten[e.valueStart] = {e.valueEnd, std::move(value)};
        } else if (const auto again = addedByKey.find(folded); again != addedByKey.end()) {
            added[again->second].second = std::move(value);
        } else {
            addedByKey.emplace(folded, added.size());
            added.emplace_back(std::string(key), std::move(value));
        }
    }
    // New keys of the file's last section cost their own bytes only.
    if (rewritten.empty() && atEnd) {
        AppendEntries(*found, added);
        return;
    }
    const size_t start = target.headerStart;
    std::string body = text_.substr(start, target.end - start);
    // From the last value back, so the earlier offsets still hold.
    for (auto it = rewritten.rbegin(); it != rewritten.rend(); ++it)
        body.replace(it->first - start, it->second.first - it->first, it->second.second);
    if (!added.empty()) body += LineBreakBefore(target.end);
    for (const auto& [key, value] : added) body += EntryLine(key, value);
    Splice(start, target.end - start, body);
    index_ = Parse(text_);
}

std::string LogStore::ReadString(std::string_view section, std::string_view key, std::string_view def) {
    const std::string_view value = FindValue(section, key).value_or(def);
    return std::string(value.substr(0, MaxStringLength));
}

void LogStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    PrepareWrite();
    section = AskedName(section);
    key = AskedName(key);
    const auto found = index_.sectionByName.find(fold_(section));
    if (found == index_.sectionByName.end()) {
        AppendSection(section, key, value);
        return;
    }
    const Section& target = index_.sections[found->second];
    const auto entry = target.entryByKey.find(fold_(key));
    if (entry == target.entryByKey.end())
        AppendEntry(found->second, key, value);
    else
        RewriteValue(target.entries[entry->second], value);
}

std::vector<std::string> LogStore::ReadSectionKeys(std::string_view section) {
    Refresh();
    std::vector<std::string> keys;
    if (const Section* found = FindSection(section)) {
        keys.reserve(found->entries.size());
        for (const Entry& entry : found->entries)
            if (entry.listed) keys.push_back(entry.name);
    }
    return keys;
}

std::vector<std::string> LogStore::ReadSectionNames() {
    Refresh();
    std::vector<std::string> names;
    for (size_t i = 0; i < index_.sections.size(); ++i) {
        // The platform lists no section without a name, nor the lines before the first header.
        if (index_.sections[i].name.empty()) continue;
        const auto first = index_.sectionByName.find(index_.sections[i].foldedName);
        if (first != index_.sectionByName.end() && first->second == i) names.push_back(index_.sections[i].name);
    }
    return names;
}

void LogStore::EraseSection(std::string_view section) {
    PrepareWrite();
    const std::string folded = fold_(AskedName(section));
    std::vector<Span> erased;
    for (const Section& candidate : index_.sections)
        if (candidate.foldedName == folded) erased.push_back({candidate.headerStart, candidate.end});
    if (erased.empty()) return;

    // One write from the first erased byte carries the rest of the file forward.
    const size_t from = erased.front().start;
    std::string kept;
    size_t cursor = from;
    for (const Span& span : erased) {
        kept.append(text_, cursor, span.start - cursor);
        cursor = span.end;
    }
    kept.append(text_, cursor, std::string::npos);
    Splice(from, text_.size() - from, kept);
    index_ = Parse(text_);
}

LogStore::Batch::Batch(LogStore& store) : store_(store) {
    if (store_.batches_++ == 0) store_.fileSystem_.Hold(store_.path_);
}

LogStore::Batch::~Batch() {
    if (--store_.batches_ == 0) {
        // Stamped through the held handle while it is still open.
        store_.SettleOwnWrite();
        store_.fileSystem_.Release();
    }
}

// ---- Writing the file ----

void LogStore::AppendSection(std::string_view section, std::string_view key, std::string_view value) {
    const size_t pos = text_.size();
    std::string bytes = LineBreakBefore(pos);
    const size_t headerStart = pos + bytes.size();
    bytes.append("[").append(section).append("]").append(LineEnd);
    const size_t valueStart = pos + bytes.size() + key.size() + 1;
    bytes += EntryLine(key, value);
    Splice(pos, 0, bytes);

    Section added{std::string(section), fold_(section), headerStart, text_.size(), {}, {}};
    AddEntry(added, key, valueStart, value.size());
    index_.sectionByName.emplace(added.foldedName, index_.sections.size());
    index_.sections.push_back(std::move(added));
}

void LogStore::AppendEntry(size_t sectionIndex, std::string_view key, std::string_view value) {
    // Only the last section can grow without moving what the index points at.
    if (sectionIndex + 1 == index_.sections.size()) {
        AppendEntries(sectionIndex, {{std::string(key), std::string(value)}});
        return;
    }
    const size_t pos = index_.sections[sectionIndex].end;
    Splice(pos, 0, LineBreakBefore(pos) + EntryLine(key, value));
    index_ = Parse(text_);
}

void LogStore::AppendEntries(size_t sectionIndex, const std::vector<std::pair<std::string, std::string>>& entries) {
    if (entries.empty()) return;
    Section& section = index_.sections[sectionIndex];
    const size_t pos = section.end;
    std::string bytes = LineBreakBefore(pos);
    std::vector<size_t> valueStarts;
    valueStarts.reserve(entries.size());
    for (const auto& [key, value] : entries) {
        valueStarts.push_back(pos + bytes.size() + key.size() + 1);
        bytes += EntryLine(key, value);
    }
    Splice(pos, 0, bytes);
    section.end = pos + bytes.size();
    for (size_t i = 0; i < entries.size(); ++i)
        AddEntry(section, entries[i].first, valueStarts[i], entries[i].second.size());
}

void LogStore::RewriteValue(const Entry& entry, std::string_view value) {
    const size_t oldLength = entry.valueEnd - entry.valueStart;
    Splice(entry.valueStart, oldLength, value);
    if (value.size() != oldLength) index_ = Parse(text_);
}

// A last line without its line end (hand-edited files) needs one before more is added.
std::string LogStore::LineBreakBefore(size_t pos) const {
    const bool lineEnded =
        pos == 0 || pos == FirstLineStart(text_) || text_[pos - 1] == '\n' || text_[pos - 1] == '\r';
    return lineEnded ? std::string() : std::string(LineEnd);
}

// Puts `inserted` in place of `removed` bytes at pos, in the copy and in the
// file. Equal lengths are overwritten in place; otherwise everything from pos
// on has moved and is written out up to the new end of file, which for an
// append is just the new bytes. Only a file that shrinks needs its end set:
// the stamp check before every write has made sure the file is as long as
// the copy was, so a longer text covers it whole (and setting the end costs
// a round trip to the Wine server per entry).
void LogStore::Splice(size_t pos, size_t removed, std::string_view inserted) {
    const bool sameLength = inserted.size() == removed;
    const EndOfFile end = inserted.size() < removed ? EndOfFile::SetAfterWrite : EndOfFile::Keep;
    text_.replace(pos, removed, inserted);
    const std::string_view changed = std::string_view(text_).substr(pos, sameLength ? inserted.size() : std::string::npos);
    if (!fileSystem_.Write(path_, pos, changed, end)) {
        cacheCurrent_ = false;  // the file may hold part of the change; read it again next time
        throw LogWriteError(path_);
    }
    if (batches_ > 0) {
        // Saves two queries per write in a long command; see Refresh.
        ownWritePending_ = true;
        ownWriteSize_ = text_.size();
        return;
    }
    stamp_ = fileSystem_.Stamp(path_);
    if (!stamp_) cacheCurrent_ = false;  // gone already: another program removed it
}

}  // namespace zarvik
