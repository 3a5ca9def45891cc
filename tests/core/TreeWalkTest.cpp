// The tree walk over a fake disk, and which chosen directory reaches a folder first.
#include <map>

#include <gtest/gtest.h>

#include "core/TreeWalk.h"

namespace {

using Names = std::vector<std::string>;

struct FakeTree final : zarvik::FolderLister {
    std::map<std::string, std::vector<zarvik::FolderEntry>> folders;
    Names asked, unentered;
    std::optional<std::vector<zarvik::FolderEntry>> ListEntries(const std::string& folder) override {
        asked.push_back(folder);
        const auto it = folders.find(folder);
        return it == folders.end() ? std::nullopt : std::optional(it->second);
    }
    Names Paths(const std::string& directory) {
        zarvik::TreeLister tree(*this, [this](const std::string& f) { unentered.push_back(f); });
        const std::optional<zarvik::Listing> listing = tree.ListFiles(directory);
        Names paths = listing ? Names{} : Names{"(none)"};
        for (const std::string& name : listing ? listing->names : Names{}) paths.push_back(listing->prefix + name);
        return paths;
    }
};

TEST(TreeWalk, FilesComeFolderByFolderDepthFirstWithoutHiddenSystemOrReparsePoints) {
    FakeTree disk;  // entries: name, folder, hidden, system, reparse point
    disk.folders["C:\\"] = {{"b", true}, {"B.TXT"}, {"A", true}, {"SECRET", false, true}, {"..", true},
                            {"a.txt"}, {"SYS", true, false, true}, {"LOOP", true, false, false, true}};
    disk.folders["C:\\A"] = {{"DEEP", true}, {"X.DLL"}};
    disk.folders["C:\\A\\DEEP"] = {{"Y.SYS"}};
    disk.folders["C:\\b"] = {{"W.EXE"}};
    disk.folders["C:\\SYS"] = disk.folders["C:\\LOOP"] = disk.folders["C:\\"];
    EXPECT_EQ(disk.Paths("C:\\\\"), (Names{"C:\\\\a.txt", "C:\\\\B.TXT", "C:\\\\A\\X.DLL",
                                          "C:\\\\A\\DEEP\\Y.SYS", "C:\\\\b\\W.EXE"}));
    EXPECT_EQ(disk.asked, (Names{"C:\\", "C:\\A", "C:\\A\\DEEP", "C:\\b"}));
}

TEST(TreeWalk, AFolderThatCannotBeEnteredIsToldOnceAndTheWalkGoesOn) {
    FakeTree disk;
    disk.folders["C:\\T"] = {{"LOCKED", true}, {"OPEN", true}};
    disk.folders["C:\\T\\OPEN"] = {{"B"}};
    EXPECT_EQ(disk.Paths("C:\\T\\"), Names{"C:\\T\\OPEN\\B"});
    EXPECT_EQ(disk.Paths("C:\\GONE\\"), Names{"(none)"}) << "the caller names the directory itself";
    EXPECT_EQ(disk.unentered, Names{"C:\\T\\LOCKED"});
}

TEST(ReachedBefore, AFolderIsReachedByAnEarlierSameFolderOrTreeAboveIt) {
    const std::vector<zarvik::ChosenDirectory> chosen = {
        {"C:\\A", true}, {"c:\\a\\b", false}, {"C:\\AB", false}, {"D:\\", true}, {"C:\\AB", true}};
    EXPECT_TRUE(zarvik::ReachedBefore(chosen, 1, "c:\\a\\b"));
    EXPECT_FALSE(zarvik::ReachedBefore(chosen, 2, "C:\\AB")) << "not on a folder boundary";
    EXPECT_TRUE(zarvik::ReachedBefore(chosen, 4, "D:\\\\X\\"));
    EXPECT_TRUE(zarvik::ReachedBefore(chosen, 4, "C:\\AB\\")) << "its own files were chosen before";
    EXPECT_FALSE(zarvik::ReachedBefore(chosen, 4, "C:\\AB\\SUB"));
}

TEST(ChosenEntry, TheListsMarkReadsBackAsTheDirectoryChosenWithItsTree) {
    for (const zarvik::ChosenDirectory& d : {zarvik::ChosenDirectory{"C:\\T", true}, {"C:\\", true}, {"C:\\T", false}}) {
        const zarvik::ChosenDirectory back = zarvik::ChosenFromEntry(zarvik::ChosenEntryText(d));
        EXPECT_EQ(back.directory + (back.subdirectories ? "+" : ""), d.directory + (d.subdirectories ? "+" : ""));
    }
    EXPECT_EQ(zarvik::ChosenEntryText({"C:\\", true}), "C:\\*");
    EXPECT_EQ(zarvik::ChosenEntryText({"C:\\T", true}), "C:\\T\\*");
    EXPECT_FALSE(zarvik::ChosenFromEntry("C:\\T").subdirectories);
}

}  // namespace
