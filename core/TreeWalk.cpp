#include "core/TreeWalk.h"

#include <algorithm>
#include <utility>

#include "core/CaseFold.h"
#include "core/FileMask.h"

namespace zarvik {

namespace {

std::string FolderPath(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

bool ByName(const FolderEntry* a, const FolderEntry* b) { return FileNameLess(a->name, b->name); }

// A folder folded for matching, without the "\" a path may end in but a
// drive's root keeps its own.
std::string Folded(std::string_view folder) {
    static const CaseFold fold = CaseFold::Western();
    while (folder.size() > 1 && folder.back() == '\\') folder.remove_suffix(1);
    std::string folded = fold(folder);
    if (folded.size() == 2 && folded[1] == ':') folded += '\\';
    return folded;
}

// `folder` is `base` or lies below it; both folded.
bool Within(const std::string& folder, const std::string& base, bool below) {
    if (base.empty()) return false;
    if (folder.size() < base.size() || folder.compare(0, base.size(), base) != 0) return false;
    if (folder.size() == base.size()) return true;
    return below && (base.back() == '\\' || folder[base.size()] == '\\');
}

}  // namespace

std::optional<Listing> TreeLister::ListFiles(const std::string& directory) {
    const std::string root = ChosenOfWalked(directory);
    const bool appended = directory.size() > 1 && directory.back() == '\\';
    Listing listing{appended ? directory : directory + "\\", {}};

    // Folders still to walk, with their paths relative to the root ("" for
    // the root itself, else ending in "\"); the next one on top.
    struct Pending {
        std::string path, relative;
    };
    std::vector<Pending> stack{{root, ""}};
    bool first = true;
    while (!stack.empty()) {
        Pending at = std::move(stack.back());
        stack.pop_back();
        const std::optional<std::vector<FolderEntry>> entries = folders_.ListEntries(at.path);
        if (!entries) {
            if (first) return std::nullopt;
            if (unentered_) unentered_(at.path);
            continue;
        }
        first = false;
        std::vector<const FolderEntry*> files, folders;
        for (const FolderEntry& e : *entries) {
            if (e.hidden || e.system || e.name.empty() || e.name == "." || e.name == "..") continue;
            if (!e.folder) files.push_back(&e);
            else if (!e.reparsePoint) folders.push_back(&e);
        }
        std::sort(files.begin(), files.end(), ByName);
        std::sort(folders.begin(), folders.end(), ByName);
        for (const FolderEntry* f : files) listing.names.push_back(at.relative + f->name);
        // Pushed last to first, so the first comes off the stack next.
        for (auto f = folders.rbegin(); f != folders.rend(); ++f)
            stack.push_back({FolderPath(at.path, (*f)->name), at.relative + (*f)->name + "\\"});
    }
    return listing;
}

std::string ChosenOfWalked(std::string_view directory) {
    const bool appended = directory.size() > 1 && directory.back() == '\\';
    std::string chosen(directory.substr(0, directory.size() - (appended ? 1 : 0)));
    if (chosen.size() == 2 && chosen[1] == ':') chosen += '\\';
    return chosen;
}

std::string ChosenEntryText(const ChosenDirectory& chosen) {
    if (!chosen.subdirectories) return chosen.directory;
    if (!chosen.directory.empty() && chosen.directory.back() == '\\') return chosen.directory + "*";
    return chosen.directory + std::string(kSubdirectoriesMark);
}

ChosenDirectory ChosenFromEntry(std::string_view entry) {
    if (!entry.ends_with(kSubdirectoriesMark)) return {std::string(entry), false};
    std::string directory(entry.substr(0, entry.size() - 1));
    // A drive's root keeps its "\", as the tree gives it.
    if (!(directory.size() == 3 && directory[1] == ':')) directory.pop_back();
    return {directory, true};
}

bool ReachedBefore(const std::vector<ChosenDirectory>& chosen, size_t index,
                   std::string_view folder) {
    const std::string target = Folded(folder);
    for (size_t i = 0; i < index && i < chosen.size(); ++i) {
        if (Within(target, Folded(chosen[i].directory), chosen[i].subdirectories)) return true;
    }
    return false;
}

}  // namespace zarvik
