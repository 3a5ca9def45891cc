// The tree walk over a fake disk: order, the listing rule in every folder,
// reparse points, folders that cannot be entered, and which chosen
// directory reports a file.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/LogStore.h"
#include "core/TreeWalk.h"

namespace {

using zarvik::FolderEntry;
using Names = std::vector<std::string>;

struct FakeTree final : zarvik::FolderLister, zarvik::FileProber {
    std::map<std::string, std::vector<FolderEntry>> folders;
    Names asked;
    std::optional<std::vector<FolderEntry>> ListEntries(const std::string& folder) override {
        asked.push_back(folder);
        const auto it = folders.find(folder);
        if (it == folders.end()) return std::nullopt;
        return it->second;
    }
    zarvik::FileMeasure Measure(const std::string& path) override {
        return {static_cast<int64_t>(path.size()), 0};
    }
    bool Present(const std::string&) override { return true; }
    bool OnFatVolume(const std::string&) override { return false; }
};

FolderEntry File(std::string name) { return {std::move(name)}; }
FolderEntry Folder(std::string name) { return {std::move(name), true}; }

struct Quiet final : zarvik::WalkSink {
    void Walking(std::string_view) override {}
    void ZeroLength(const std::string&) override {}
};

class TreeWalk : public testing::Test {
protected:
    Names List(const std::string& directory) {
        const std::optional<zarvik::Listing> listing = lister_.ListFiles(directory);
        if (!listing) return {"(none)"};
        Names paths;
        for (const std::string& name : listing->names) paths.push_back(listing->prefix + name);
        return paths;
    }
    FakeTree disk_;
    Names unentered_;
    zarvik::TreeLister lister_{disk_, [this](const std::string& f) { unentered_.push_back(f); }};
};

TEST_F(TreeWalk, FilesComeFolderByFolderDepthFirstWithoutHiddenOrSystemEntries) {
    FolderEntry hiddenFile = File("SECRET.DAT"), systemFolder = Folder("SYS");
    hiddenFile.hidden = true;
    systemFolder.system = true;
    disk_.folders["C:\\T"] = {Folder("b"), File("z.txt"), Folder("A"), hiddenFile, Folder(".."),
                              Folder("."), File("a.txt"), systemFolder};
    disk_.folders["C:\\T\\A"] = {Folder("DEEP"), File("X.DLL")};
    disk_.folders["C:\\T\\A\\DEEP"] = {File("Y.SYS")};
    disk_.folders["C:\\T\\b"] = {File("W.EXE")};
    disk_.folders["C:\\T\\SYS"] = {File("NO.DLL")};
    EXPECT_EQ(List("C:\\T\\"), (Names{"C:\\T\\a.txt", "C:\\T\\z.txt", "C:\\T\\A\\X.DLL",
                                     "C:\\T\\A\\DEEP\\Y.SYS", "C:\\T\\b\\W.EXE"}));

    // It plugs into the flat walk: a tree is logged under full paths.
    const std::string path = testing::TempDir() + "zk_tree.ini";
    std::remove(path.c_str());
    {
        auto fs = zarvik::MakePlatformLogFileSystem();
        zarvik::LogStore log(path, *fs);
        Quiet quiet;
        ASSERT_TRUE(zarvik::LogDirectory(log, {"C:\\T\\", "Dir0", true}, lister_, disk_, quiet));
        EXPECT_EQ(log.ReadInteger("Dir0", "C:\\T\\A\\DEEP\\Y.SYS", 0), 17);
        EXPECT_EQ(log.ReadSectionKeys("Dir0").size(), 5u);
    }
    std::remove(path.c_str());
}

TEST_F(TreeWalk, AReparsePointIsNeverEnteredSoALoopEnds) {
    FolderEntry junction = Folder("LOOP");
    junction.reparsePoint = true;
    disk_.folders["D:\\"] = {junction, Folder("SUB"), File("R.TXT")};
    disk_.folders["D:\\LOOP"] = disk_.folders["D:\\"];  // leads back to the root
    disk_.folders["D:\\SUB"] = {File("S.TXT")};
    // The root of a drive: two backslashes after the colon, as the flat walk has.
    EXPECT_EQ(List("D:\\\\"), (Names{"D:\\\\R.TXT", "D:\\\\SUB\\S.TXT"}));
    EXPECT_EQ(disk_.asked, (Names{"D:\\", "D:\\SUB"}));
}

TEST_F(TreeWalk, AFolderThatCannotBeEnteredIsToldOnceAndTheWalkGoesOn) {
    disk_.folders["C:\\T"] = {Folder("LOCKED"), Folder("OPEN"), File("A")};
    disk_.folders["C:\\T\\OPEN"] = {File("B")};
    EXPECT_EQ(List("C:\\T\\"), (Names{"C:\\T\\A", "C:\\T\\OPEN\\B"}));
    EXPECT_EQ(unentered_, Names{"C:\\T\\LOCKED"});

    // The directory itself: nothing, and the caller names it as for a flat one.
    EXPECT_EQ(List("C:\\GONE\\"), Names{"(none)"});
    EXPECT_EQ(unentered_.size(), 1u);
}

TEST(ReachedBefore, AFolderIsReachedByAnEarlierSameFolderOrTreeAboveIt) {
    const std::vector<zarvik::ChosenDirectory> chosen = {
        {"C:\\A", true}, {"c:\\a\\b", false}, {"C:\\AB", false}, {"D:\\", true}, {"C:\\AB", true}};
    EXPECT_FALSE(zarvik::ReachedBefore(chosen, 0, "C:\\A"));
    EXPECT_TRUE(zarvik::ReachedBefore(chosen, 1, "c:\\a\\b"));
    EXPECT_FALSE(zarvik::ReachedBefore(chosen, 2, "C:\\AB")) << "not on a folder boundary";
    EXPECT_TRUE(zarvik::ReachedBefore(chosen, 4, "D:\\\\X\\"));
    // Only its own files were chosen before: the folders below are new.
    EXPECT_TRUE(zarvik::ReachedBefore(chosen, 4, "C:\\AB\\"));
    EXPECT_FALSE(zarvik::ReachedBefore(chosen, 4, "C:\\AB\\SUB"));
}

}  // namespace
