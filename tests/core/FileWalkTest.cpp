// Build's and Analyze's walks over a fake disk: what reaches the log, the
// result lists and the status line, without a window.
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/ChangeWalk.h"
#include "core/LogStore.h"

namespace {

using zarvik::FileMeasure;

struct FakeDisk final : zarvik::DirectoryLister, zarvik::FileProber {
    std::map<std::string, FileMeasure> files;  // by full path
    std::map<std::string, std::vector<std::string>> directories;

    std::optional<zarvik::Listing> ListFiles(const std::string& directory) override {
        const auto it = directories.find(directory);
        if (it == directories.end()) return std::nullopt;
        return zarvik::Listing{directory, it->second};
    }
    FileMeasure Measure(const std::string& path) override {
        const auto it = files.find(path);
        return it == files.end() ? FileMeasure{} : it->second;
    }
    bool Present(const std::string& path) override { return files.count(path) != 0; }
    bool OnFatVolume(const std::string&) override { return false; }
};

struct Findings final : zarvik::ChangeSink {
    std::vector<std::string> walked, zero, added, changed, deleted;
    void Walking(std::string_view path) override { walked.emplace_back(path); }
    void ZeroLength(const std::string& path, const FileMeasure&) override { zero.push_back(path); }
    void Added(const zarvik::Finding& f) override { added.push_back(f.path + "=" + std::to_string(f.now.size)); }
    void Changed(const zarvik::Finding& f) override {
        changed.push_back(f.path + "=" + std::to_string(f.now.size) +
                          zarvik::ChangeMarks(f.moved, zarvik::CompareVersionTexts(f.now.version, f.loggedVersion)));
    }
    void Deleted(const zarvik::Finding& f) override { deleted.push_back(f.path); }
};

class FileWalk : public testing::Test {
protected:
    void SetUp() override {
        path_ = testing::TempDir() + "zk_walk_" +
                testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
        std::remove(path_.c_str());
        log_ = std::make_unique<zarvik::LogStore>(path_, *fs_);
        disk_.directories["C:\\W\\"] = {"A.DLL", "EMPTY.TXT", "B.EXE"};
        disk_.files = {{"C:\\W\\A.DLL", {100, 5'000'000'000, {}}},
                       {"C:\\W\\EMPTY.TXT", {0, 7, {}}},
                       {"C:\\W\\B.EXE", {2048, 0, {}}}};  // no time could be read
    }
    void TearDown() override { std::remove(path_.c_str()); }

    std::string path_;
    std::unique_ptr<zarvik::LogFileSystem> fs_ = zarvik::MakePlatformLogFileSystem();
    std::unique_ptr<zarvik::LogStore> log_;
    FakeDisk disk_;
    Findings found_;
};

TEST_F(FileWalk, BuildLogsSizesThenTimesAndListsEmptyFilesInsteadOfLoggingThem) {
    ASSERT_TRUE(zarvik::LogDirectory(*log_, {"C:\\W\\", "Windows"}, disk_, disk_, found_));
    EXPECT_EQ(log_->ReadSectionNames(), (std::vector<std::string>{"Windows", "Windows Times"}));
    EXPECT_EQ(log_->ReadSectionKeys("Windows"), (std::vector<std::string>{"A.DLL", "B.EXE"}));
    EXPECT_EQ(log_->ReadSectionKeys("Windows Times"), std::vector<std::string>{"A.DLL"});
    EXPECT_EQ(log_->ReadInteger("Windows Times", "A.DLL", 0), 5'000'000'000);
    EXPECT_EQ(found_.zero, std::vector<std::string>{"C:\\W\\EMPTY.TXT"});
    EXPECT_EQ(found_.walked.size(), 3u);

    // An optional directory is keyed by path; one that cannot be entered
    // logs nothing.
    EXPECT_FALSE(zarvik::LogDirectory(*log_, {"C:\\GONE\\", "Dir0", true}, disk_, disk_, found_));
    EXPECT_TRUE(log_->ReadSectionKeys("Dir0").empty());
}

TEST_F(FileWalk, AnalyzeFindsAddedChangedReplacedAndDeletedFiles) {
    ASSERT_TRUE(zarvik::LogDirectory(*log_, {"C:\\W\\", "Windows"}, disk_, disk_, found_));
    log_->WriteInteger("Windows", "OLD.DLL", 10);
    disk_.directories["C:\\W\\"].push_back("NEW.DLL");
    disk_.files["C:\\W\\NEW.DLL"] = {3000, 1, {}};
    disk_.files["C:\\W\\B.EXE"].size = 4096;
    disk_.files["C:\\W\\A.DLL"].writeTime += 10'000'000 * 60;  // a minute later, same size

    Findings found;
    ASSERT_TRUE(zarvik::CompareDirectory(*log_, {"C:\\W\\", "Windows"}, disk_, disk_, found));
    EXPECT_EQ(found.added, std::vector<std::string>{"C:\\W\\NEW.DLL=3000"});
    EXPECT_EQ(found.changed, (std::vector<std::string>{"C:\\W\\A.DLL=100 (same size, newer)",
                                                      "C:\\W\\B.EXE=4096"}));
    EXPECT_EQ(zarvik::FindDeleted(*log_, "Windows", "C:\\W\\", disk_, found),
              (std::vector<std::string>{"A.DLL", "B.EXE", "OLD.DLL"}));
    EXPECT_EQ(found.deleted, std::vector<std::string>{"C:\\W\\OLD.DLL"});
}

TEST_F(FileWalk, VersionsAreLoggedApartAndAnyChangeOfOneListsTheFileOnce) {
    disk_.files["C:\\W\\A.DLL"].version = "6.2.8073.0";
    disk_.files["C:\\W\\B.EXE"].version = "1.0.0.0";
    ASSERT_TRUE(zarvik::LogDirectory(*log_, {"C:\\W\\", "Windows"}, disk_, disk_, found_));
    EXPECT_EQ(log_->ReadSectionNames(), (std::vector<std::string>{"Windows", "Windows Times", "Windows Versions"}));
    EXPECT_EQ(log_->ReadString("Windows Versions", "A.DLL", ""), "6.2.8073.0");

    disk_.files["C:\\W\\A.DLL"].version = "6.0.8168.0";  // same size, same time
    disk_.files["C:\\W\\B.EXE"] = {4096, 0, "1.1.0.0"};
    Findings found;
    ASSERT_TRUE(zarvik::CompareDirectory(*log_, {"C:\\W\\", "Windows"}, disk_, disk_, found));
    EXPECT_EQ(found.changed, (std::vector<std::string>{"C:\\W\\A.DLL=100 (version 6.0.8168.0, was 6.2.8073.0: older)",
                                                      "C:\\W\\B.EXE=4096 (version 1.1.0.0, was 1.0.0.0)"}));

    // A file whose version has gone since has its old one emptied by Build.
    disk_.files["C:\\W\\B.EXE"].version.clear();
    ASSERT_TRUE(zarvik::LogDirectory(*log_, {"C:\\W\\", "Windows"}, disk_, disk_, found_));
    EXPECT_EQ(log_->ReadString("Windows Versions", "B.EXE", "?"), "");
}

// A disk that fills up: no write may take the file past `limit` bytes.
struct FillingDisk final : zarvik::LogFileSystem {
    std::unique_ptr<zarvik::LogFileSystem> real = zarvik::MakePlatformLogFileSystem();
    uint64_t limit = UINT64_MAX;
    std::optional<zarvik::FileStamp> Stamp(const std::string& p) override { return real->Stamp(p); }
    std::optional<std::string> ReadAll(const std::string& p) override { return real->ReadAll(p); }
    bool Write(const std::string& p, uint64_t offset, std::string_view bytes,
               zarvik::EndOfFile end) override {
        return offset + bytes.size() <= limit && real->Write(p, offset, bytes, end);
    }
};

TEST_F(FileWalk, ARefusedWriteKeepsEverySizeBeforeItsFileAndNamesThatFile) {
    std::vector<std::string>& names = disk_.directories["C:\\W\\"];
    names.clear();
    for (int i = 0; i < 1500; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "F%04d.DLL", i);
        names.push_back(name);
        disk_.files[std::string("C:\\W\\") + name] = {1000 + i, 1, {}};
    }
    FillingDisk full;
    full.limit = 900 * std::string("F0000.DLL=1000\r\n").size() + 30;
    zarvik::LogStore log(path_, full);
    EXPECT_THROW(zarvik::LogDirectory(log, {"C:\\W\\", "Windows"}, disk_, disk_, found_),
                 zarvik::LogWriteError);
    const std::vector<std::string> kept = log.ReadSectionKeys("Windows");
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept, std::vector<std::string>(names.begin(), names.begin() + kept.size()));
    EXPECT_EQ(log.ReadInteger("Windows", kept.back().c_str(), 0), 1000 + int(kept.size()) - 1);
    EXPECT_EQ(found_.walked.back(), "C:\\W\\" + names[kept.size()]);
}

}  // namespace
