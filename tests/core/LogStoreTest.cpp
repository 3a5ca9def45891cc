#include "core/LogStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zarvik {
namespace {

namespace fs = std::filesystem;

// Passes every call to the platform and records what the store asked for, so
// tests can see that only changed bytes are written and unchanged files are
// not read again.
class RecordingFileSystem final : public LogFileSystem {
public:
    struct WriteCall {
        uint64_t offset;
        std::string bytes;
        EndOfFile end;
    };

    std::optional<FileStamp> Stamp(const std::string& path) override { return platform_->Stamp(path); }

    std::optional<std::string> ReadAll(const std::string& path) override {
        ++reads;
        return platform_->ReadAll(path);
    }

    bool Write(const std::string& path, uint64_t offset, std::string_view bytes, EndOfFile end) override {
        writes.push_back({offset, std::string(bytes), end});
        return platform_->Write(path, offset, bytes, end);
    }

    int reads = 0;
    std::vector<WriteCall> writes;

private:
    std::unique_ptr<LogFileSystem> platform_ = MakePlatformLogFileSystem();
};

class LogStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("zarvik-logstore-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(dir_);
        path_ = (dir_ / "Zarvik.ini").string();
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Another program writing the file behind the store's back.
    void WriteBehindTheStore(const std::string& text) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out << text;
    }

    // Same-size rewrites within one tick of the file system clock are
    // indistinguishable by stamp; the other program here writes a little later.
    void MoveWriteTimeOn() { fs::last_write_time(path_, fs::last_write_time(path_) + std::chrono::seconds(2)); }

    std::string FileBytes() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The example log: Build FileList, then one Commit with one optional directory.
    void WriteExampleLog(LogStore& log) {
        log.WriteInteger("Windows", "CLOCK.AVI", 829);
        log.WriteInteger("Windows", "WIN.INI", 431);
        log.WriteInteger("Windows\\System", "KERNEL32.DLL", 471);
        log.WriteString("Optional", "Count", "1");
        log.WriteString("Optional", "Directory0", "C:\\TOOLS");
        log.WriteInteger("Dir0", "C:\\TOOLS\\EDIT.COM", 698);
    }

    static constexpr const char* ExampleLog =
        "[Windows]\r\nCLOCK.AVI=829\r\nWIN.INI=431\r\n"
        "[Windows\\System]\r\nKERNEL32.DLL=471\r\n"
        "[Optional]\r\nCount=1\r\nDirectory0=C:\\TOOLS\r\n"
        "[Dir0]\r\nC:\\TOOLS\\EDIT.COM=698\r\n";

    fs::path dir_;
    std::string path_;
    std::unique_ptr<LogFileSystem> platform_ = MakePlatformLogFileSystem();
};

// ---- File layout ----

TEST_F(LogStoreTest, WritesIntoAnEmptyFileGiveTheExactLayoutWithoutBlankLines) {
    LogStore log(path_, *platform_);
    WriteExampleLog(log);
    EXPECT_EQ(FileBytes(), ExampleLog);
}

TEST_F(LogStoreTest, NewKeyGoesToTheEndOfItsSectionNotOfTheFile) {
    LogStore log(path_, *platform_);
    WriteExampleLog(log);
    log.WriteInteger("Windows", "SYSTEM.INI", 502);
    log.WriteInteger("Windows\\System", "USER.EXE", 1);
    EXPECT_EQ(FileBytes(),
              "[Windows]\r\nCLOCK.AVI=829\r\nWIN.INI=431\r\nSYSTEM.INI=502\r\n"
              "[Windows\\System]\r\nKERNEL32.DLL=471\r\nUSER.EXE=1\r\n"
              "[Optional]\r\nCount=1\r\nDirectory0=C:\\TOOLS\r\n"
              "[Dir0]\r\nC:\\TOOLS\\EDIT.COM=698\r\n");
    // The index still points at the right bytes after the sections moved.
    log.WriteInteger("Dir0", "C:\\TOOLS\\EDIT.COM", 699);
    EXPECT_EQ(log.ReadInteger("Optional", "Count", -5), 1);
    EXPECT_EQ(log.ReadString("Optional", "Directory0", ""), "C:\\TOOLS");
    EXPECT_EQ(log.ReadInteger("Dir0", "C:\\TOOLS\\EDIT.COM", 0), 699);
}

// In a middle section, the last one and a new one; a key given twice keeps
// its first spelling and last value, and the index still finds every key.
TEST_F(LogStoreTest, ManyKeysAtOnceGiveTheTextOfOneAtATime) {
    const std::vector<std::pair<std::string, int64_t>> values{
        {"win.ini", 431}, {"CLOCK.AVI", 8290}, {"NEW.DLL", 5}, {"OTHER.DLL", 6}, {"new.dll", 7}};
    for (const char* section : {"Windows", "Dir0", "Fresh"}) {
        SCOPED_TRACE(section);
        fs::remove(path_);
        LogStore log(path_, *platform_);
        WriteExampleLog(log);
        for (const auto& [key, value] : values) log.WriteInteger(section, key, value);
        log.WriteInteger(section, "other.dll", 60);
        const std::string oneAtATime = FileBytes();
        fs::remove(path_);
        LogStore batch(path_, *platform_);
        WriteExampleLog(batch);
        batch.WriteIntegers(section, values);
        EXPECT_EQ(batch.ReadInteger(section, "NEW.DLL", 0), 7);
        batch.WriteInteger(section, "other.dll", 60);
        EXPECT_EQ(FileBytes(), oneAtATime);
        EXPECT_EQ(batch.ReadInteger("Dir0", "C:\\TOOLS\\EDIT.COM", 0), 698);
    }
}

TEST_F(LogStoreTest, NamesMatchWithoutRegardToCase) {
    LogStore log(path_, *platform_);
    WriteExampleLog(log);
    EXPECT_EQ(log.ReadInteger("windows", "win.ini", 0), 431);
    EXPECT_EQ(log.ReadInteger("WINDOWS\\SYSTEM", "kernel32.dll", 0), 471);
    EXPECT_EQ(log.ReadString("dir0", "c:\\tools\\edit.com", ""), "698");

    // A write under another spelling updates the one entry, keeping its spelling.
    log.WriteInteger("WINDOWS", "Win.Ini", 432);
    log.WriteString("optional", "COUNT", "2");
    EXPECT_EQ(FileBytes(),
              "[Windows]\r\nCLOCK.AVI=829\r\nWIN.INI=432\r\n"
              "[Windows\\System]\r\nKERNEL32.DLL=471\r\n"
              "[Optional]\r\nCount=2\r\nDirectory0=C:\\TOOLS\r\n"
              "[Dir0]\r\nC:\\TOOLS\\EDIT.COM=698\r\n");

    // Beyond ASCII too, as the platform's INI functions fold the ANSI code
    // page: a file logged as CAF\xC9.DLL and found as caf\xE9.dll is the same.
    log.WriteInteger("Windows", "CAF\xC9.DLL", 5);
    EXPECT_EQ(log.ReadInteger("windows", "caf\xE9.dll", 0), 5);
    EXPECT_EQ(log.ReadSectionKeys("Windows").size(), 3u);
}

// ---- Rewriting in place ----

TEST_F(LogStoreTest, RewriteOfTheSameLengthOverwritesOnlyTheValue) {
    RecordingFileSystem recorder;
    LogStore log(path_, recorder);
    WriteExampleLog(log);
    recorder.writes.clear();

    log.WriteInteger("Windows", "CLOCK.AVI", 830);
    const size_t valueAt = std::string(ExampleLog).find("829");
    EXPECT_EQ(FileBytes(), std::string(ExampleLog).replace(valueAt, 3, "830"));
    ASSERT_EQ(recorder.writes.size(), 1u);
    EXPECT_EQ(recorder.writes[0].offset, valueAt);
    EXPECT_EQ(recorder.writes[0].bytes, "830");
    EXPECT_EQ(recorder.writes[0].end, EndOfFile::Keep);
}

TEST_F(LogStoreTest, RewriteOfAnotherLengthKeepsOrderAndTheRestOfTheFile) {
    LogStore log(path_, *platform_);
    WriteExampleLog(log);
    log.WriteInteger("Windows", "CLOCK.AVI", 1234567);
    log.WriteInteger("Windows\\System", "KERNEL32.DLL", -1);
    EXPECT_EQ(FileBytes(),
              "[Windows]\r\nCLOCK.AVI=1234567\r\nWIN.INI=431\r\n"
              "[Windows\\System]\r\nKERNEL32.DLL=-1\r\n"
              "[Optional]\r\nCount=1\r\nDirectory0=C:\\TOOLS\r\n"
              "[Dir0]\r\nC:\\TOOLS\\EDIT.COM=698\r\n");
    log.WriteString("Optional", "Directory0", "D:\\");
    EXPECT_EQ(log.ReadInteger("Dir0", "C:\\TOOLS\\EDIT.COM", 0), 698);
    EXPECT_EQ(log.ReadInteger("Windows", "WIN.INI", 0), 431);
    EXPECT_EQ(log.ReadString("Optional", "Directory0", ""), "D:\\");
    EXPECT_EQ(log.ReadSectionKeys("Windows"), (std::vector<std::string>{"CLOCK.AVI", "WIN.INI"}));
}

TEST_F(LogStoreTest, RepeatedNamesInAHandEditedFileUseTheFirstOccurrence) {
    WriteBehindTheStore("[A]\r\nK=1\r\nk=2\r\n[B]\r\nX=1\r\n[a]\r\nK=3\r\nOnlyHere=4\r\n");
    LogStore log(path_, *platform_);
    EXPECT_EQ(log.ReadInteger("A", "K", 0), 1);
    EXPECT_EQ(log.ReadInteger("A", "OnlyHere", 0), 0);
    EXPECT_EQ(log.ReadSectionKeys("A"), (std::vector<std::string>{"K"}));
    log.WriteInteger("A", "K", 5);
    EXPECT_EQ(FileBytes(), "[A]\r\nK=5\r\nk=2\r\n[B]\r\nX=1\r\n[a]\r\nK=3\r\nOnlyHere=4\r\n");
    EXPECT_EQ(log.ReadSectionNames(), (std::vector<std::string>{"A", "B"}));
    log.WriteInteger("New", "K", 1);
    EXPECT_EQ(log.ReadSectionNames(), (std::vector<std::string>{"A", "B", "New"}));
}

// ---- Erasing ----

TEST_F(LogStoreTest, EraseLeavesEveryOtherSectionUntouched) {
    LogStore log(path_, *platform_);
    WriteExampleLog(log);
    log.EraseSection("Windows");
    EXPECT_EQ(FileBytes(),
              "[Windows\\System]\r\nKERNEL32.DLL=471\r\n"
              "[Optional]\r\nCount=1\r\nDirectory0=C:\\TOOLS\r\n"
              "[Dir0]\r\nC:\\TOOLS\\EDIT.COM=698\r\n");
    EXPECT_EQ(log.ReadInteger("Windows", "WIN.INI", 0), 0);
    EXPECT_EQ(log.ReadInteger("Windows\\System", "KERNEL32.DLL", 0), 471);
    EXPECT_EQ(log.ReadInteger("Dir0", "C:\\TOOLS\\EDIT.COM", 0), 698);

    log.EraseSection("windows\\SYSTEM");
    EXPECT_EQ(FileBytes(), "[Optional]\r\nCount=1\r\nDirectory0=C:\\TOOLS\r\n[Dir0]\r\nC:\\TOOLS\\EDIT.COM=698\r\n");
}

TEST_F(LogStoreTest, ErasedSectionIsCreatedAgainAtTheEnd) {
    LogStore log(path_, *platform_);
    WriteExampleLog(log);
    log.EraseSection("Optional");
    log.WriteString("Optional", "Count", "0");
    EXPECT_EQ(FileBytes(),
              "[Windows]\r\nCLOCK.AVI=829\r\nWIN.INI=431\r\n"
              "[Windows\\System]\r\nKERNEL32.DLL=471\r\n"
              "[Dir0]\r\nC:\\TOOLS\\EDIT.COM=698\r\n"
              "[Optional]\r\nCount=0\r\n");
}

TEST_F(LogStoreTest, ErasingTheOnlySectionLeavesAnEmptyFile) {
    LogStore log(path_, *platform_);
    log.WriteInteger("Dir0", "C:\\X", 1);
    log.EraseSection("Dir0");
    EXPECT_EQ(FileBytes(), "");
    log.WriteInteger("Dir0", "C:\\Y", 2);
    EXPECT_EQ(FileBytes(), "[Dir0]\r\nC:\\Y=2\r\n");
}

TEST_F(LogStoreTest, ErasingAMissingSectionIsNotAnError) {
    LogStore log(path_, *platform_);
    EXPECT_NO_THROW(log.EraseSection("Dir7"));
    EXPECT_FALSE(fs::exists(path_));
    WriteExampleLog(log);
    EXPECT_NO_THROW(log.EraseSection("Dir7"));
    EXPECT_EQ(FileBytes(), ExampleLog);
}

// ---- Values ----

TEST_F(LogStoreTest, IntegerValuesAndTheirDefaults) {
    WriteBehindTheStore(
        "[Values]\r\n"
        "Hex=0x1F\r\nHexUpper=0X1f\r\nAllBits=0xFFFFFFFF\r\nBareHexPrefix=0x\r\nBadHex=0xZZ\r\n"
        "Letters=abc\r\nNegative=-471\r\nMinusOne=-1\r\nPlus=+5\r\nLowest=-2147483648\r\n"
        "Big=5000000000\r\nTooBig=9223372036854775808\r\nEmpty=\r\nSpaced =   42  \r\nSignOnly=-\r\n"
        // The whole value must be the number; a leading number alone is not enough.
        "TrailingText=12abc\r\nInnerBlank=1 2\r\n");
    LogStore log(path_, *platform_);
    EXPECT_EQ(log.ReadInteger("Values", "Hex", 7), 31);
    EXPECT_EQ(log.ReadInteger("Values", "HexUpper", 7), 31);
    EXPECT_EQ(log.ReadInteger("Values", "AllBits", 7), -1);
    EXPECT_EQ(log.ReadInteger("Values", "BareHexPrefix", 7), 7);
    EXPECT_EQ(log.ReadInteger("Values", "BadHex", 7), 7);
    EXPECT_EQ(log.ReadInteger("Values", "Letters", 7), 7);
    EXPECT_EQ(log.ReadInteger("Values", "Negative", 7), -471);
    EXPECT_EQ(log.ReadInteger("Values", "MinusOne", 7), -1);
    EXPECT_EQ(log.ReadInteger("Values", "Plus", 7), 5);
    EXPECT_EQ(log.ReadInteger("Values", "Lowest", 7), INT32_MIN);
    EXPECT_EQ(log.ReadInteger("Values", "Big", 7), 5000000000);
    EXPECT_EQ(log.ReadInteger("Values", "TooBig", 7), 7);
    EXPECT_EQ(log.ReadInteger("Values", "Empty", 7), 7);
    EXPECT_EQ(log.ReadInteger("Values", "Spaced", 7), 42);
    EXPECT_EQ(log.ReadInteger("Values", "SignOnly", 7), 7);
    EXPECT_EQ(log.ReadInteger("Values", "TrailingText", 7), 7);
    EXPECT_EQ(log.ReadInteger("Values", "InnerBlank", 7), 7);
    EXPECT_EQ(log.ReadInteger("Values", "Missing", -3), -3);
}

TEST_F(LogStoreTest, WrittenIntegersReadBack) {
    LogStore log(path_, *platform_);
    log.WriteInteger("Dir0", "C:\\LOCKED.DAT", -1);
    log.WriteInteger("Dir0", "C:\\BIG.DAT", INT32_MAX);
    log.WriteInteger("Dir0", "C:\\LOW.DAT", INT32_MIN);
    EXPECT_EQ(log.ReadInteger("Dir0", "C:\\LOCKED.DAT", 0), -1);
    EXPECT_EQ(log.ReadInteger("Dir0", "C:\\BIG.DAT", 0), INT32_MAX);
    EXPECT_EQ(log.ReadInteger("Dir0", "C:\\LOW.DAT", 0), INT32_MIN);
    EXPECT_EQ(FileBytes(), "[Dir0]\r\nC:\\LOCKED.DAT=-1\r\nC:\\BIG.DAT=2147483647\r\nC:\\LOW.DAT=-2147483648\r\n");
}

TEST_F(LogStoreTest, TextValues) {
    LogStore log(path_, *platform_);
    log.WriteString("Optional", "Directory0", "C:\\");
    log.WriteString("Optional", "Blank", "");
    log.WriteString("Optional", "Long", std::string(3000, 'x'));
    EXPECT_EQ(log.ReadString("Optional", "Directory0", "?"), "C:\\");
    EXPECT_EQ(log.ReadString("Optional", "Blank", "?"), "");
    EXPECT_EQ(log.ReadString("Optional", "Missing", "?"), "?");
    EXPECT_EQ(log.ReadString("Optional", "Long", ""), std::string(LogStore::MaxStringLength, 'x'));
    EXPECT_EQ(log.ReadInteger("Optional", "Blank", 9), 9);
}

// ---- Missing file, section and key ----

TEST_F(LogStoreTest, MissingFileReadsAsDefaultsAndIsNotCreatedByReading) {
    LogStore log(path_, *platform_);
    EXPECT_EQ(log.ReadInteger("Optional", "Count", 0), 0);
    EXPECT_EQ(log.ReadInteger("Windows", "WIN.INI", -2), -2);
    EXPECT_EQ(log.ReadString("Optional", "Directory0", "none"), "none");
    EXPECT_TRUE(log.ReadSectionKeys("Windows").empty());
    EXPECT_FALSE(fs::exists(path_));
}

TEST_F(LogStoreTest, CountWithoutAnOptionalSectionIsZero) {
    LogStore log(path_, *platform_);
    log.WriteInteger("Windows", "WIN.INI", 431);
    log.WriteInteger("Windows\\System", "KERNEL32.DLL", 471);
    EXPECT_EQ(log.ReadInteger("Optional", "Count", 0), 0);
    EXPECT_TRUE(log.ReadSectionKeys("Optional").empty());
    EXPECT_TRUE(log.ReadSectionKeys("Dir0").empty());
    EXPECT_EQ(log.ReadInteger("Windows", "CLOCK.AVI", 0), 0);
}

// ---- Refused writes ----

TEST_F(LogStoreTest, WriteIntoAMissingDirectoryThrowsWithTheFileName) {
    const std::string path = (dir_ / "missing" / "Zarvik.ini").string();
    LogStore log(path, *platform_);
    try {
        log.WriteInteger("Windows", "WIN.INI", 431);
        FAIL() << "no error raised";
    } catch (const LogWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
    EXPECT_THROW(log.WriteString("Optional", "Count", "1"), std::runtime_error);
    EXPECT_EQ(log.ReadInteger("Windows", "WIN.INI", 0), 0);
}

TEST_F(LogStoreTest, EntriesWrittenBeforeARefusedWriteStay) {
    LogStore log(path_, *platform_);
    log.WriteInteger("Windows", "WIN.INI", 431);
    fs::remove(path_);
    fs::create_directory(path_);  // the log's name now belongs to a directory
    EXPECT_THROW(log.WriteInteger("Windows", "CLOCK.AVI", 829), LogWriteError);
    fs::remove(path_);
    WriteBehindTheStore("[Windows]\r\nWIN.INI=431\r\n");
    log.WriteInteger("Windows", "CLOCK.AVI", 829);
    EXPECT_EQ(FileBytes(), "[Windows]\r\nWIN.INI=431\r\nCLOCK.AVI=829\r\n");
}

// ---- Hand-edited files ----

TEST_F(LogStoreTest, HandEditedFileWithBlanksCommentsAndBareLineFeeds) {
    WriteBehindTheStore(
        "; made by hand\r\n"
        "stray=before any section\r\n"
        "[ Windows ]\r\n"
        "  CLOCK.AVI = 829 \r\n"
        "not an entry\r\n"
        "\r\n"
        "; a comment inside\r\n"
        "WIN.INI\t=\t431\n"
        "\n"
        "; about the next section\n"
        "[Optional]\n"
        "Count = 1\n"
        "Directory0 =  C:\\TOOLS");  // no line end at the end of the file
    LogStore log(path_, *platform_);
    EXPECT_EQ(log.ReadInteger("Windows", "CLOCK.AVI", 0), 829);
    EXPECT_EQ(log.ReadInteger("Windows", "WIN.INI", 0), 431);
    EXPECT_EQ(log.ReadInteger("Optional", "Count", 0), 1);
    EXPECT_EQ(log.ReadString("Optional", "Directory0", ""), "C:\\TOOLS");
    EXPECT_EQ(log.ReadSectionKeys("Windows"), (std::vector<std::string>{"CLOCK.AVI", "WIN.INI"}));
    EXPECT_EQ(log.ReadSectionKeys("; made by hand"), std::vector<std::string>());

    log.WriteInteger("Windows", "CLOCK.AVI", 830);
    log.WriteInteger("Windows", "SYSTEM.INI", 502);
    log.WriteString("Optional", "Directory1", "D:\\");
    EXPECT_EQ(FileBytes(),
              "; made by hand\r\n"
              "stray=before any section\r\n"
              "[ Windows ]\r\n"
              "  CLOCK.AVI = 830 \r\n"
              "not an entry\r\n"
              "\r\n"
              "; a comment inside\r\n"
              "WIN.INI\t=\t431\n"
              "SYSTEM.INI=502\r\n"
              "\n"
              "; about the next section\n"
              "[Optional]\n"
              "Count = 1\n"
              "Directory0 =  C:\\TOOLS\r\n"
              "Directory1=D:\\\r\n");

    log.EraseSection("Windows");
    EXPECT_EQ(FileBytes(),
              "; made by hand\r\n"
              "stray=before any section\r\n"
              "\n"
              "; about the next section\n"
              "[Optional]\n"
              "Count = 1\n"
              "Directory0 =  C:\\TOOLS\r\n"
              "Directory1=D:\\\r\n");
}

TEST_F(LogStoreTest, ABracketWithoutItsCloseIsAnEntryOfTheSectionItStandsIn) {
    WriteBehindTheStore("[S]\r\nA=1\r\n[=2\r\n[Open=3\r\n[Open\r\nB=4\r\n");
    LogStore log(path_, *platform_);
    EXPECT_EQ(log.ReadSectionKeys("S"), (std::vector<std::string>{"A", "[", "[Open", "B"}));
    EXPECT_EQ(log.ReadInteger("S", "[Open", 0), 3);
    EXPECT_EQ(log.ReadSectionNames(), std::vector<std::string>{"S"});
}

// Bytes a text editor does not show, read as the platform's INI functions
// read them: a NUL ends a name or value, only true blanks are trimmed, and
// the lines before the first header form the section without a name, which
// a later "[]" cannot reach.
TEST_F(LogStoreTest, NulControlBytesAndTheNamelessSectionReadAsThePlatformReadsThem) {
    using namespace std::string_literals;
    WriteBehindTheStore("LEAD=0\r\n[S\0junk]\r\nK\0junk=1\r\nV=ab \0cd\r\n\x05W\x1a= \v2\f\r\n[]\r\nLEAD=9\r\n"s);
    LogStore log(path_, *platform_);
    EXPECT_EQ(log.ReadSectionKeys("S"), (std::vector<std::string>{"K", "V", "\x05W"}));
    EXPECT_EQ(log.ReadString("S", "V", ""), "ab ");
    EXPECT_EQ(log.ReadInteger("S", "\x05W", 0), 2);
    EXPECT_EQ(log.ReadInteger("S", "W", 0), 0);
    EXPECT_EQ(log.ReadInteger(" S\t", " K ", 0), 1) << "asked names lose their blanks";
    EXPECT_EQ(log.ReadInteger("", "LEAD", -1), 0);
    EXPECT_EQ(log.ReadSectionNames(), std::vector<std::string>{"S"});

    log.WriteString("S", "V", "new");  // the whole value goes, what followed the NUL too
    EXPECT_EQ(FileBytes(), "LEAD=0\r\n[S\0junk]\r\nK\0junk=1\r\nV=new\r\n\x05W\x1a= \v2\f\r\n[]\r\nLEAD=9\r\n"s);
}

TEST_F(LogStoreTest, TheUtf8MarkOfATextEditorIsReadPast) {
    WriteBehindTheStore("\xEF\xBB\xBF[Windows]\r\nWIN.INI=431\r\n");
    LogStore log(path_, *platform_);
    EXPECT_EQ(log.ReadInteger("Windows", "WIN.INI", 0), 431);
    log.EraseSection("Windows");
    log.WriteString("Windows", "A", "1");
    EXPECT_EQ(FileBytes(), "\xEF\xBB\xBF[Windows]\r\nA=1\r\n");
}

// ---- Large sections ----

TEST_F(LogStoreTest, VeryLongSectionListsEveryKeyInOrder) {
    constexpr int KeyCount = 30000;
    auto keyName = [](int i) { return "C:\\SOME\\LONGER\\DIRECTORY\\FILE" + std::to_string(i) + ".DAT"; };
    std::vector<std::string> expected;
    std::string text = "[Windows]\r\nWIN.INI=431\r\n[Dir0]\r\n";
    size_t nameBytes = 0;
    for (int i = 0; i < KeyCount; ++i) {
        expected.push_back(keyName(i));
        nameBytes += expected.back().size() + 1;
        text += expected.back() + "=" + std::to_string(i + 1) + "\r\n";
    }
    ASSERT_GT(nameBytes, 16384u);
    WriteBehindTheStore(text);

    LogStore log(path_, *platform_);
    EXPECT_EQ(log.ReadSectionKeys("dir0"), expected);
    for (int i = 0; i < KeyCount; i += 997) EXPECT_EQ(log.ReadInteger("Dir0", keyName(i), 0), i + 1);

    log.WriteInteger("Dir0", "C:\\LAST.DAT", 5);
    log.WriteInteger("Dir0", keyName(KeyCount / 2), 123456789);
    expected.push_back("C:\\LAST.DAT");
    EXPECT_EQ(log.ReadSectionKeys("Dir0"), expected);
    EXPECT_EQ(log.ReadInteger("Dir0", keyName(KeyCount / 2), 0), 123456789);
    EXPECT_EQ(log.ReadInteger("Dir0", keyName(KeyCount - 1), 0), KeyCount);
    EXPECT_EQ(log.ReadInteger("Dir0", "C:\\LAST.DAT", 0), 5);
}

// ---- Hot paths: no rereading, no rewriting of what did not change ----

TEST_F(LogStoreTest, AppendsWriteOnlyTheNewLineAndNeverRereadTheFile) {
    RecordingFileSystem recorder;
    LogStore log(path_, recorder);
    log.WriteInteger("Windows", "CLOCK.AVI", 829);
    const uint64_t sizeBefore = FileBytes().size();
    log.WriteInteger("Windows", "WIN.INI", 431);
    ASSERT_EQ(recorder.writes.size(), 2u);
    EXPECT_EQ(recorder.writes[1].offset, sizeBefore);
    EXPECT_EQ(recorder.writes[1].bytes, "WIN.INI=431\r\n");

    for (int i = 0; i < 100; ++i) {
        log.WriteInteger("Windows", "F" + std::to_string(i), i);
        EXPECT_EQ(log.ReadInteger("Windows", "F" + std::to_string(i), -1), i);
    }
    EXPECT_EQ(recorder.reads, 0);
}

TEST_F(LogStoreTest, ValueOfAnotherLengthRewritesFromItToTheEndOfFile) {
    RecordingFileSystem recorder;
    LogStore log(path_, recorder);
    WriteExampleLog(log);
    recorder.writes.clear();
    log.WriteInteger("Optional", "Directory0", 5);
    ASSERT_EQ(recorder.writes.size(), 1u);
    const std::string expected = "[Windows]\r\nCLOCK.AVI=829\r\nWIN.INI=431\r\n"
                                 "[Windows\\System]\r\nKERNEL32.DLL=471\r\n"
                                 "[Optional]\r\nCount=1\r\nDirectory0=5\r\n"
                                 "[Dir0]\r\nC:\\TOOLS\\EDIT.COM=698\r\n";
    const size_t valueAt = expected.find("=5") + 1;
    EXPECT_EQ(recorder.writes[0].offset, valueAt);
    EXPECT_EQ(recorder.writes[0].bytes, expected.substr(valueAt));
    EXPECT_EQ(recorder.writes[0].end, EndOfFile::SetAfterWrite);
    EXPECT_EQ(FileBytes(), expected);
}

// ---- Another program writing the file ----

TEST_F(LogStoreTest, ChangesByAnotherProgramAreSeenAtOnce) {
    LogStore log(path_, *platform_);
    log.WriteInteger("Windows", "WIN.INI", 431);
    EXPECT_EQ(log.ReadInteger("Windows", "WIN.INI", 0), 431);

    WriteBehindTheStore("[Windows]\r\nWIN.INI=432\r\n");  // same size as before
    MoveWriteTimeOn();
    EXPECT_EQ(log.ReadInteger("Windows", "WIN.INI", 0), 432);

    WriteBehindTheStore("[Windows]\r\nWIN.INI=432\r\nCLOCK.AVI=829\r\n; theirs\r\n[Other]\r\nA=1\r\n");
    MoveWriteTimeOn();
    EXPECT_EQ(log.ReadSectionKeys("Windows"), (std::vector<std::string>{"WIN.INI", "CLOCK.AVI"}));
    log.WriteInteger("Windows", "SYSTEM.INI", 502);
    EXPECT_EQ(FileBytes(), "[Windows]\r\nWIN.INI=432\r\nCLOCK.AVI=829\r\nSYSTEM.INI=502\r\n; theirs\r\n[Other]\r\nA=1\r\n");
}

TEST_F(LogStoreTest, FileDeletedByAnotherProgramReadsEmptyAndIsCreatedAgain) {
    LogStore log(path_, *platform_);
    log.WriteInteger("Windows", "WIN.INI", 431);
    fs::remove(path_);
    EXPECT_EQ(log.ReadInteger("Windows", "WIN.INI", 0), 0);
    log.WriteInteger("Windows\\System", "KERNEL32.DLL", 471);
    EXPECT_EQ(FileBytes(), "[Windows\\System]\r\nKERNEL32.DLL=471\r\n");
}

TEST_F(LogStoreTest, TwoStoresOnOneFileSeeEachOthersWrites) {
    LogStore first(path_, *platform_);
    LogStore second(path_, *platform_);
    first.WriteInteger("Windows", "WIN.INI", 431);
    EXPECT_EQ(second.ReadInteger("Windows", "WIN.INI", 0), 431);
    second.WriteInteger("Windows", "CLOCK.AVI", 829);
    MoveWriteTimeOn();  // two writes may land in one tick of the file system clock
    first.WriteInteger("Windows", "SYSTEM.INI", 502);
    EXPECT_EQ(FileBytes(), "[Windows]\r\nWIN.INI=431\r\nCLOCK.AVI=829\r\nSYSTEM.INI=502\r\n");
}

#ifdef _WIN32

// Another program holding the log open without sharing it.
class ExclusiveHandle {
public:
    explicit ExclusiveHandle(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~ExclusiveHandle() {
        if (IsOpen()) CloseHandle(handle_);
    }
    ExclusiveHandle(const ExclusiveHandle&) = delete;
    ExclusiveHandle& operator=(const ExclusiveHandle&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

TEST_F(LogStoreTest, WriteToAFileLockedByAnotherProgramThrows) {
    LogStore log(path_, *platform_);
    log.WriteInteger("Windows", "WIN.INI", 431);
    {
        ExclusiveHandle lock(path_);
        ASSERT_TRUE(lock.IsOpen());
        try {
            log.WriteInteger("Windows", "CLOCK.AVI", 829);
            FAIL() << "no error raised";
        } catch (const LogWriteError& error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + path_);
        }
        EXPECT_THROW(log.EraseSection("Windows"), LogWriteError);
    }
    log.WriteInteger("Windows", "CLOCK.AVI", 829);
    EXPECT_EQ(FileBytes(), "[Windows]\r\nWIN.INI=431\r\nCLOCK.AVI=829\r\n");
}

TEST_F(LogStoreTest, ReadOnlyFileRefusesWrites) {
    LogStore log(path_, *platform_);
    log.WriteInteger("Windows", "WIN.INI", 431);
    ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
    // Refused by the store itself too: Wine run as root lets writers through.
    EXPECT_THROW(log.WriteInteger("Windows", "WIN.INI", 432), LogWriteError);
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(log.ReadInteger("Windows", "WIN.INI", 0), 431);
}

#endif

}  // namespace
}  // namespace zarvik
