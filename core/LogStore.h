#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/LogFileSystem.h"

namespace zarvik {

// A write or erase that the file system refused.
class LogWriteError : public std::runtime_error {
public:
    explicit LogWriteError(const std::string& path);
};

// The log file: INI text of "[Section]" header lines, each followed by its
// "key=value" lines, with CRLF line ends. Section and key names match without
// regard to case as the platform folds it (LogFileSystem::NameFold); the
// first of several equal names wins.
//
// No stale copy: every write reaches the file before it returns, and every
// operation first checks the file's stamp against the one its parsed copy was
// made from, re-reading the file when another program has changed it.
class LogStore {
public:
    static constexpr size_t MaxStringLength = 2047;

    LogStore(std::string path, LogFileSystem& fileSystem);

    const std::string& Path() const { return path_; }
    // True when `path` names the log's own file, without regard to case.
    bool IsLogFile(std::string_view path) const {
        return path.size() == path_.size() && fold_(path) == fold_(path_);
    }

    // Decimal with an optional sign (64 bits: a size of many gigabytes), or
    // hexadecimal of 32 bits after "0x" / "0X". The whole value, blanks
    // around it aside, must be the number: "12abc", "abc", an empty value or
    // a missing key give def.
    int64_t ReadInteger(std::string_view section, std::string_view key, int64_t def);
    void WriteInteger(std::string_view section, std::string_view key, int64_t value);
    // The text that WriteInteger of each pair in turn would give, in one
    // write: the new keys' bytes alone where the section is new or the
    // file's last, else the section and the rest of the file moved once for
    // all of them instead of once a key.
    void WriteIntegers(std::string_view section,
                       const std::vector<std::pair<std::string, int64_t>>& values);
    // The same for texts (WriteString of each pair in turn).
    void WriteStrings(std::string_view section,
                      const std::vector<std::pair<std::string, std::string>>& values);
    // True where a key added to the section costs only its own bytes: the
    // section is new, or the file's last.
    bool AddsAtEnd(std::string_view section);

    // At most MaxStringLength characters of the value (or of def).
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def);
    // Creates the section at the end of the file and the key at the end of its
    // section when missing; rewrites the value in place otherwise.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Each key of the section once, in file order; empty for a missing section.
    std::vector<std::string> ReadSectionKeys(std::string_view section);
    // Each section's name once, as first written, in file order.
    std::vector<std::string> ReadSectionNames();

    // Removes every section of that name, header and entries; the lines after
    // a section's last entry (blank lines, comments) stay.
    void EraseSection(std::string_view section);

    // For a long command (Build, Commit, Analyze): the file stays open in
    // between, so an operation costs no open, close or path lookup. Changes
    // that other programs write into the file are still seen at once, but
    // for one that keeps the size and lands between one of our writes and
    // our next operation; a program that replaces the file with another is
    // seen after the batch.
    class Batch {
    public:
        explicit Batch(LogStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        LogStore& store_;
    };

private:
    struct Entry {
        std::string name;
        size_t valueStart;
        size_t valueEnd;
        bool listed;  // false for a comment line that holds "="
    };

    struct Section {
        std::string name;
        std::string foldedName;
        size_t headerStart;
        size_t end;  // just after its last entry line: where a new key goes
        std::vector<Entry> entries;                          // first of each key, file order
        std::unordered_map<std::string, size_t> entryByKey;  // folded key -> entries index
    };

    struct Index {
        std::vector<Section> sections;                         // file order, repeats included
        std::unordered_map<std::string, size_t> sectionByName;  // folded name -> first of them
    };

    Index Parse(const std::string& text) const;
    void ParseLine(const std::string& text, size_t lineStart, size_t lineEnd, Index& index,
                   size_t& current) const;
    void AddEntry(Section& section, std::string_view key, size_t valueStart, size_t valueLength) const;

    void Refresh();
    void SettleOwnWrite();
    void Reload(const std::optional<FileStamp>& stamp);
    void PrepareWrite();

    const Section* FindSection(std::string_view section) const;
    // The index of the first section of that name, if any, and whether a
    // key added to it lands at the end of the file (a new or last section).
    std::pair<std::optional<size_t>, bool> Placement(std::string_view section) const;
    const Entry* FindEntry(std::string_view section, std::string_view key) const;
    std::optional<std::string_view> FindValue(std::string_view section, std::string_view key);

    void AppendSection(std::string_view section, std::string_view key, std::string_view value);
    void AppendEntry(size_t sectionIndex, std::string_view key, std::string_view value);
    // Keys new to the file's last section, in one write at its end.
    void AppendEntries(size_t sectionIndex, const std::vector<std::pair<std::string, std::string>>& entries);
    void RewriteValue(const Entry& entry, std::string_view value);
    std::string LineBreakBefore(size_t pos) const;
    void Splice(size_t pos, size_t removed, std::string_view inserted);

    std::string path_;
    LogFileSystem& fileSystem_;
    const CaseFold fold_;

    std::string text_;  // the file's bytes as last read or written
    Index index_;
    std::optional<FileStamp> stamp_;  // empty: the file did not exist
    bool cacheCurrent_ = false;
    bool readable_ = true;  // an existing file we could not read is never written
    int batches_ = 0;
    // Inside a batch the stamp after our own write is taken by the next
    // operation's check, which then expects the size we wrote.
    bool ownWritePending_ = false;
    uint64_t ownWriteSize_ = 0;
};

}  // namespace zarvik
