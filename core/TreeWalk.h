#pragma once
// The walk over a whole tree of folders, for an optional directory chosen
// with its subdirectories: a lister of one folder's entries below, and the
// flat walk's DirectoryLister above, so Build, Commit and Analyze measure a
// tree's files exactly as they measure one directory's.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileWalk.h"

namespace zarvik {

// One entry of a folder as the file system lists it.
struct FolderEntry {
    std::string name;
    bool folder = false;
    bool hidden = false;
    bool system = false;
    bool reparsePoint = false;  // a junction or symbolic link (or another reparse point)
};

class FolderLister {
public:
    // Every entry of `folder` (a full path, no "\" appended but a drive's
    // root), in any order; nothing when the folder cannot be entered.
    virtual std::optional<std::vector<FolderEntry>> ListEntries(const std::string& folder) = 0;

protected:
    ~FolderLister() = default;
};

// Lists every plain file below a directory as one Listing: the prefix is
// the directory as given (with the walk's "\" appended), each name the
// file's path relative to it, so a file's path and key is that directory,
// "\" and the relative path; a drive's root gives two backslashes after the
// colon, as the flat walk's paths do.
//
// The order is stable: a folder's files sorted by name without regard to
// case, then its subfolders in the same order, each walked whole before the
// next (depth first). In every folder the listing rule holds: hidden and
// system files are left out, and so are hidden and system folders. A reparse
// point folder is never entered, so every folder is walked once and a tree never
// loops. A folder below the directory that cannot be entered is told to
// `unentered` once and the walk goes on; the directory itself that cannot be
// entered gives nothing, as for the flat walk.
class TreeLister final : public DirectoryLister {
public:
    using Unentered = std::function<void(const std::string& folder)>;
    TreeLister(FolderLister& folders, Unentered unentered)
        : folders_(folders), unentered_(std::move(unentered)) {}

    std::optional<Listing> ListFiles(const std::string& directory) override;

private:
    FolderLister& folders_;
    Unentered unentered_;
};

// The directory as chosen, from the form a walk is given it in: without the
// "\" the walk appended, but a drive's root keeps its own ("C:\").
std::string ChosenOfWalked(std::string_view directory);

// A directory of the Optional Directories list.
struct ChosenDirectory {
    std::string directory;  // as chosen: no "\" appended but a drive's root
    bool subdirectories = false;
};

// The Optional Directories list shows a directory chosen with its
// subdirectories with "\*" behind it ("C:\Tools\*", a drive's root "C:\*"):
// "*" is never part of a Windows path, so the marker reads back without doubt.
inline constexpr std::string_view kSubdirectoriesMark = "\\*";
std::string ChosenEntryText(const ChosenDirectory& chosen);
ChosenDirectory ChosenFromEntry(std::string_view entry);

// True when an entry before `index` of `chosen` already reaches the files of
// `folder`: it is that folder, or it includes its subdirectories and the
// folder lies below it. Names match without regard to case, on folder
// boundaries (C:\A reaches C:\A\B, not C:\AB). A file that two chosen
// directories both reach is reported by the first only.
bool ReachedBefore(const std::vector<ChosenDirectory>& chosen, size_t index,
                   std::string_view folder);

}  // namespace zarvik
