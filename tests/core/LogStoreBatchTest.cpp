// A batch of log writes keeps the file open, yet every write is in the file
// when it returns and a file rewritten by another program is read anew.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/LogFileSystem.h"
#include "core/LogStore.h"

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string TempName(const char* tag) {
    return testing::TempDir() + "zk_batch_" + tag + ".ini";
}

TEST(LogStoreBatch, EveryWriteReachesTheFileBeforeItReturns) {
    const std::string path = TempName("reach");
    std::remove(path.c_str());
    auto fs = zarvik::MakePlatformLogFileSystem();
    zarvik::LogStore store(path, *fs);
    {
        zarvik::LogStore::Batch batch(store);
        store.WriteInteger("Windows", "A.TXT", 100);
        EXPECT_EQ(Slurp(path), "[Windows]\r\nA.TXT=100\r\n");
        store.WriteInteger("Windows", "A.TXT", 12345);
        EXPECT_EQ(Slurp(path), "[Windows]\r\nA.TXT=12345\r\n");
        store.WriteInteger("Windows\\System", "K.DLL", 5);
        EXPECT_EQ(Slurp(path), "[Windows]\r\nA.TXT=12345\r\n[Windows\\System]\r\nK.DLL=5\r\n");
    }
    std::remove(path.c_str());
}

TEST(LogStoreBatch, AFileRewrittenDuringTheBatchIsReadAnew) {
    const std::string path = TempName("replace");
    std::remove(path.c_str());
    auto fs = zarvik::MakePlatformLogFileSystem();
    zarvik::LogStore store(path, *fs);
    zarvik::LogStore::Batch batch(store);
    store.WriteInteger("Windows", "A.TXT", 1);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << "[Optional]\r\nCount=0\r\n; replaced by another program\r\n";
    }
    EXPECT_EQ(store.ReadInteger("Windows", "A.TXT", 0), 0);
    store.WriteInteger("Windows", "B.TXT", 2);
    EXPECT_EQ(Slurp(path), "[Optional]\r\nCount=0\r\n; replaced by another program\r\n[Windows]\r\nB.TXT=2\r\n");
    std::remove(path.c_str());
}

TEST(LogStoreBatch, AfterTheBatchASameSizeChangeIsSeen) {
    const std::string path = TempName("settle");
    std::remove(path.c_str());
    auto fs = zarvik::MakePlatformLogFileSystem();
    zarvik::LogStore store(path, *fs);
    {
        zarvik::LogStore::Batch batch(store);
        store.WriteInteger("Windows", "A.TXT", 1);
    }
    const auto before = std::filesystem::last_write_time(path);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << "[Windows]\r\nA.TXT=7\r\n";  // the same length as ours
    }
    std::filesystem::last_write_time(path, before + std::chrono::seconds(2));
    EXPECT_EQ(store.ReadInteger("Windows", "A.TXT", 0), 7);
    std::remove(path.c_str());
}

}  // namespace
