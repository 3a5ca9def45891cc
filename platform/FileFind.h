#pragma once
// Finding files: the one directory lister behind every file list of the
// program, full paths and the drives.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Bare names of the plain files directly in `directory` that match `mask`:
// no subdirectories, no hidden or system files, sorted by name without
// regard to case. A directory that cannot be read gives an empty list.
std::vector<std::string> ListPlainFiles(std::string_view directory, std::string_view mask);

// Names of the subdirectories of `directory` (no "." and ".."), sorted.
std::vector<std::string> ListSubdirectories(std::string_view directory);

// `directory` joined with a name, with exactly one "\" between them unless
// the directory already ends in one.
std::string JoinPath(std::string_view directory, std::string_view name);

// The full path as the system spells it; `path` itself when it cannot say.
std::string FullPathName(std::string_view path);

// The root of each logical drive ("C:\").
std::vector<std::string> LogicalDrives();

}  // namespace platform
