#pragma once
// The log's layout, written down once: the names of its sections and keys,
// the rules that derive one section's name from another's, and the optional
// part. Every command and page reads and writes the log through these names.
//
//   [Windows]            name=size     the Windows directory's files
//   [Windows\System]     name=size     the System directory's
//   [Windows\SysWOW64]   name=size     the 32-bit System directory's (64-bit Windows)
//   [Optional]           Count=n, Directory0=C:\Tools, ...,
//                        Subdirectories0=1 where directory 0 is logged as a whole tree
//   [Dir0]               path=size     the optional directory 0's files, by full path
//   [<any of these> Times]  key=ticks  their last-write times (TimesSection);
//                        *=1 where the directory was logged with no file
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileWalk.h"
#include "core/TreeWalk.h"

namespace zarvik {

class LogStore;

inline constexpr const char* kWindowsSection = "Windows";
inline constexpr const char* kSystemSection = "Windows\\System";
// The 32-bit System directory's, beside "Windows\System".
inline constexpr const char* kSystemWow64Section = "Windows\\SysWOW64";
// The main directories' size sections, in the order Build logs them.
inline constexpr std::array<const char*, 3> kMainSections = {kWindowsSection, kSystemSection,
                                                             kSystemWow64Section};

// The section that holds the last-write times of a size section's files:
// "Windows Times" beside "Windows". A further derived section of a
// directory belongs beside it and in EraseDirectorySections.
std::string TimesSection(std::string_view section);

// The key of a directory's times section that says Build or Commit logged
// the directory but found no file to log there: a directory logged empty is
// still a logged one. "*" is never a file name, so no file's time is taken
// for it.
inline constexpr const char* kLoggedEmptyKey = "*";

// True when the log holds a record of the directory: a size of one of its
// files, or the mark of a walk that found none.
bool HoldsDirectory(LogStore& log, std::string_view section);

// Erases a directory's size section and the sections derived from it.
void EraseDirectorySections(LogStore& log, std::string_view section);

// The optional part.
inline constexpr const char* kOptionalSection = "Optional";
inline constexpr const char* kOptionalCount = "Count";
std::string OptionalDirectoryKey(int index);  // "Directory<index>" in "Optional"
std::string OptionalSection(int index);       // "Dir<index>"
// "Subdirectories<index>" in "Optional": 1 where the directory was logged
// with every folder below it. Written only then, so a log without it (every
// log older than the key) reads as the single directory it always meant.
std::string OptionalSubdirectoriesKey(int index);

// One past the highest optional index the log holds anything for (a
// "Directory" key or a "Dir" section): a damaged "Count" far beyond it
// would only walk, one at a time, through indexes that hold nothing.
int OptionalIndexesInUse(LogStore& log);

// The optional directories as the log records them: min(Count, indexes in
// use) entries, each with its section; the directory is empty where the
// entry is damaged and names none.
struct OptionalDirectory {
    std::string directory;  // as chosen, without a trailing "\"
    std::string section;
    bool subdirectories = false;
};
std::vector<OptionalDirectory> ReadOptionalDirectories(LogStore& log);

// Erases the optional part the log holds (each recorded directory's
// sections and "Optional") and records `directories` in their place. The
// result is what to log: each directory with its section, keyed by path.
std::vector<LoggedDirectory> WriteOptionalDirectories(LogStore& log,
                                                      const std::vector<ChosenDirectory>& directories);

}  // namespace zarvik
