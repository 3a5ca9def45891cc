#include "inspect/Examiner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zarvik {
namespace {

using Lines = std::vector<std::string>;

Lines Examine(const Lines& lines) {
    StringList strings;
    for (const std::string& line : lines) strings.Add(line);
    StringList findings{"left over from the last file"};
    ExamineStrings(strings, findings);
    return findings.Lines();
}

const char* const kFileAccess = "This program appears capable of file access";
const char* const kRegistry = "This program appears capable of Registry access";
const char* const kChanging = "This program appears capable of changing registry keys";
const char* const kInternet = "This program appears capable of Internet Access";

TEST(ExamineStringsTest, CapabilitiesComeOnceEachInTheirFixedOrder) {
    EXPECT_EQ(Examine({"RegSetValueExA", "RegOpenKeyExA", "RegOpenKeyExA"}), (Lines{kRegistry, kChanging}));
    EXPECT_EQ(Examine({"opensocket"}), (Lines{kFileAccess, kInternet}));
    EXPECT_TRUE(Examine({}).empty());
}

TEST(ExamineStringsTest, EveryNameSetsItsCapability) {
    const Lines messages = {
        "This program appears to read your computers network name details",
        kFileAccess,
        "This program appears capable of writing to files",
        "This program appears capable of deleting to files",
        "This program appears capable of moving to files",
        "This program appears capable of DDE Calls",
        kRegistry,
        kInternet,
        "This program appears capable of Remote Procedure Calls",
        "This program appears to log onto a server",
        "This program appears capable of adding registry keys",
        kChanging,
        "This program appears capable of deleting registry keys",
    };
    const std::vector<std::pair<const char*, size_t>> names = {
        {"GetComputerNameA", 0}, {"open", 1}, {"wopen", 1}, {"fopen", 1}, {"wfopen", 1},
        {"fsopen", 1}, {"freopen", 1}, {"ReadFileEx", 1}, {"OpenFile", 1}, {"write", 2},
        {"fwrite", 2}, {"lwrite", 2}, {"WriteFileEx", 2}, {"DeleteFileA", 3}, {"MoveFileExA", 4},
        {"DdeConnectList", 5}, {"RegOpenKeyA", 6}, {"VMMRegOpenKey", 6}, {"WSASocketA", 7},
        {"closesocket", 7}, {"RpcBindingFree", 8}, {"LogonUserA", 9}, {"RegCreateKeyExA", 10},
        {"RegSaveKeyA", 11}, {"RegSetValueA", 11}, {"RegReplaceKeys", 11}, {"RegDeleteKeyA", 12},
    };
    for (const auto& [name, flag] : names) EXPECT_EQ(Examine({name}), Lines{messages[flag]}) << name;
    Lines all;
    for (auto it = names.rbegin(); it != names.rend(); ++it) all.push_back(it->first);
    EXPECT_EQ(Examine(all), messages);
}

TEST(ExamineStringsTest, NamesAreCaseSensitivePrefixes) {
    for (const char* line : {"regopenkey", "REGOPENKEYEXA", "RegOpenKe", "GetComputerNam", "xopen",
                             "Open", "Borland Delphi", "Microsoft Visual C Runtime", "**RegOpenKeyExA",
                             "**Borland", "Systems\\x", "HKEY_LOCAL_MACHINE\\Software\\x", "abc", ""})
        EXPECT_TRUE(Examine({line}).empty()) << line;
}

TEST(ExamineStringsTest, RegistryPathsAndBannersAreListedForEveryLine) {
    EXPECT_EQ(Examine({"Software\\Classes\\Example", "software\\classes\\example", "SYSTEM\\CurrentControlSet",
                       "System\\Setup", "SOFTWARE\\Microsoft", "Hardware\\Description", "HARDWARE\\DEVICEMAP",
                       "Software\\Classes\\Example"}),
              (Lines{"Appears to access Reg Key: Software\\Classes\\Example",
                     "Appears to access Reg Key: SYSTEM\\CurrentControlSet",
                     "Appears to access Reg Key: System\\Setup",
                     "Appears to access Reg Key: SOFTWARE\\Microsoft",
                     "Appears to access Reg Key: Hardware\\Description",
                     "Appears to access Reg Key: HARDWARE\\DEVICEMAP",
                     "Appears to access Reg Key: Software\\Classes\\Example"}));
    EXPECT_EQ(Examine({"Borland", "Microsoft Visual C", "Borland C", "Borland"}),
              (Lines{"This program was written in Borland Delphi",
                     "This program was written in Microsoft Visual C",
                     "This program was written in Borland C",
                     "This program was written in Borland Delphi"}));
}

TEST(ExamineStringsTest, APeriodFourthFromTheEndNamesAFile) {
    EXPECT_EQ(Examine({"USER32.dll", "KERNEL32.DLL", "index.html", "a.b", ".ini", "**abc.dll"}),
              (Lines{"Appears to use this file:USER32.dll", "Appears to use this file:KERNEL32.DLL",
                     "Appears to use this file:.ini", "Appears to use this file:**abc.dll"}));
    // One line can give a path, a file and a capability, in that order.
    EXPECT_EQ(Examine({"SOFTWARE\\Vendor\\run.exe", "OpenFile.log"}),
              (Lines{"Appears to access Reg Key: SOFTWARE\\Vendor\\run.exe",
                     "Appears to use this file:SOFTWARE\\Vendor\\run.exe",
                     "Appears to use this file:OpenFile.log", kFileAccess}));
}

}  // namespace
}  // namespace zarvik
