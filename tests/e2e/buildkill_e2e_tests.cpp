// Build FileList in the real program, ended by TerminateProcess at a random
// moment: whatever reached the log reads back, every entry the size of its
// file, and a torn last line reads as the system's profile functions read it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/Driver.h"
#include "core/LogStore.h"

namespace {

std::string ReadAll(const std::string& path) {
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buf[65536];
    DWORD got = 0;
    while (::ReadFile(f, buf, sizeof buf, &got, nullptr) && got) bytes.append(buf, got);
    ::CloseHandle(f);
    return bytes;
}

// The size as the program measures it: -1 when the file cannot be opened.
std::string ProbedSize(const std::string& path) {
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return "-1";
    const DWORD size = ::GetFileSize(f, nullptr);
    ::CloseHandle(f);
    return std::to_string(static_cast<int32_t>(size));
}

// Enough files in the Windows directory that Build takes a second or two.
void WriteManyFiles(e2e::ScratchFiles& files, const std::string& dir, int count) {
    const std::string stem = dir + "\\zk_kill_" + std::to_string(::GetCurrentProcessId()) + "_";
    for (int i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%05d.dat", i);
        files.Write(stem + name, std::string(static_cast<size_t>(1 + i * 37 % 3000), 'k'));
    }
}

struct Line {
    std::string text;
    std::string section;  // the section it belongs to; empty for a header
};

// The whole lines of a log, each with its section, and the torn rest.
std::vector<Line> WholeLines(const std::string& text, std::string& torn) {
    std::vector<Line> lines;
    std::string section;
    size_t pos = 0;
    for (size_t end; (end = text.find("\r\n", pos)) != std::string::npos; pos = end + 2) {
        const std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line[0] == '[') {
            section = line.substr(1, line.size() - 2);
            lines.push_back({line, ""});
        } else {
            lines.push_back({line, section});
        }
    }
    torn = text.substr(pos);
    return lines;
}

std::vector<std::string> ProfileKeys(const std::string& file, const std::string& section) {
    std::vector<char> buf(1 << 20);
    const DWORD n = ::GetPrivateProfileStringA(section.c_str(), nullptr, "", buf.data(),
                                               static_cast<DWORD>(buf.size()), file.c_str());
    std::vector<std::string> keys;
    for (size_t at = 0; at < n && buf[at];) {
        keys.emplace_back(&buf[at]);
        at += keys.back().size() + 1;
    }
    return keys;
}

// The log store and the profile functions agree on the last section's keys
// and on the values of its last two keys and of whatever the torn line names.
void ExpectReadAlike(const std::string& file, const std::string& section,
                     const std::string& tornKey) {
    auto fs = zarvik::MakePlatformLogFileSystem();
    zarvik::LogStore store(file, *fs);
    const std::vector<std::string> keys = store.ReadSectionKeys(section);
    EXPECT_EQ(keys, ProfileKeys(file, section)) << "section " << section;
    std::vector<std::string> probe(keys.end() - std::min<size_t>(keys.size(), 2), keys.end());
    if (!tornKey.empty()) probe.push_back(tornKey);
    for (const std::string& key : probe) {
        char value[4096] = {};
        ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "<none>", value, sizeof value,
                                   file.c_str());
        EXPECT_EQ(store.ReadString(section, key, "<none>"), value) << section << "/" << key;
        // Times and sizes beyond 32 bits: the platform reads only 32 of them.
        // Versions are texts, which the platform would read as their first field.
        const int64_t mine = store.ReadInteger(section, key, -7);
        if (mine == static_cast<int32_t>(mine) && !section.ends_with(" Versions")) {
            EXPECT_EQ(mine, static_cast<int32_t>(::GetPrivateProfileIntA(section.c_str(), key.c_str(),
                                                                         -7, file.c_str())))
                << section << "/" << key;
        }
    }
}

std::string KeyOf(const std::string& line) { return line.substr(0, line.find('=')); }

class BuildKilled : public ::testing::Test {
protected:
    BuildKilled()
        : windows_(e2e::WindowsDirectory()), system_(e2e::NativeSystemDirectory()),
          wow64_(e2e::SystemWow64Directory()),
          log_(windows_ + "\\Zarvik.ini") {}

    // Starts the program and answers Yes to Build; the main window, or null.
    HWND StartBuild(e2e::Driver& program) {
        HWND question = program.WaitForWindow("Zarvik v1.1", true);
        if (!question) return nullptr;
        e2e::Driver::Answer(question, IDNO);
        HWND main = program.WaitForMainWindow("Zarvik v1.1");
        if (!main) return nullptr;
        e2e::Driver::Press(e2e::Driver::FindChild(main, "Build FileList"));
        HWND build = program.WaitForWindow("Zarvik v1.1", true);
        if (!build) return nullptr;
        e2e::Driver::Answer(build, IDYES);
        return main;
    }

    std::string windows_, system_, wow64_, log_;
};

TEST_F(BuildKilled, AtAnyMomentLeavesALogThatReadsBackAsAPrefix) {
    e2e::ScratchFiles files;
    WriteManyFiles(files, windows_, 2000);

    // One whole Build first: the order of the lines, and how long it takes.
    ::DeleteFileA(log_.c_str());
    std::string reference;
    DWORD took = 0;
    {
        e2e::Driver program(e2e::ProgramPath());
        HWND main = StartBuild(program);
        ASSERT_NE(main, nullptr);
        const DWORD start = ::GetTickCount();
        HWND status = ::FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr);
        for (int i = 0; i < e2e::kHangMs / 25 && e2e::Driver::TextOf(status) != "<------FileList Built----->"; ++i)
            ::Sleep(25);
        ASSERT_EQ(e2e::Driver::TextOf(status), "<------FileList Built----->");
        took = ::GetTickCount() - start;
        program.Kill();
        reference = ReadAll(log_);
    }
    std::string rest;
    const std::vector<Line> whole = WholeLines(reference, rest);
    ASSERT_TRUE(rest.empty());
    ASSERT_GT(whole.size(), 2000u);
    std::printf("whole Build: %lu ms, %zu lines\n", took, whole.size());

    const unsigned seed = std::random_device{}();
    std::printf("seed %u\n", seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<DWORD> moment(0, took + took / 10);
    int torn = 0, midway = 0;
    for (int run = 0; run < 20; ++run) {
        const DWORD delay = moment(random);
        SCOPED_TRACE("run " + std::to_string(run) + ", killed after " + std::to_string(delay) + " ms");
        ::DeleteFileA(log_.c_str());
        {
            e2e::Driver program(e2e::ProgramPath());
            ASSERT_NE(StartBuild(program), nullptr);
            ::Sleep(static_cast<DWORD>(delay));
            program.Kill();
        }
        const std::string text = ReadAll(log_);
        std::string tail;
        const std::vector<Line> lines = WholeLines(text, tail);
        ASSERT_LE(lines.size(), whole.size());
        if (!text.empty() && lines.size() < whole.size()) ++midway;
        for (size_t i = 0; i < lines.size(); ++i) {
            const Line& line = lines[i];
            if (line.section.empty()) {
                ASSERT_EQ(line.text, whole[i].text) << "line " << i;
                continue;
            }
            const std::string key = KeyOf(line.text);
            ASSERT_EQ(key, KeyOf(whole[i].text)) << "line " << i << " out of list order";
            if (key == "Zarvik.ini") continue;  // measured while it was being written
            // The files' times and versions are the window tests' part; here the sizes.
            if (line.section.ends_with(" Times") || line.section.ends_with(" Versions")) continue;
            const std::string dir = line.section == "Windows"           ? windows_
                                    : line.section == "Windows\\System" ? system_
                                                                        : wow64_;
            EXPECT_EQ(line.text.substr(key.size() + 1), ProbedSize(dir + "\\" + key)) << line.text;
        }
        if (!tail.empty()) {
            ++torn;
            ASSERT_LT(lines.size(), whole.size());
            EXPECT_EQ(whole[lines.size()].text.rfind(tail, 0), 0u) << "torn: " << tail;
        }
        const std::string section = lines.empty() ? "Windows"
                                    : lines.back().section.empty()
                                        ? lines.back().text.substr(1, lines.back().text.size() - 2)
                                        : lines.back().section;
        ExpectReadAlike(log_, section, tail.empty() || tail[0] == '[' ? "" : KeyOf(tail));
    }
    std::printf("%d of 20 logs ended in a torn line\n", torn);
    // Otherwise every kill came before Build began or after it ended.
    EXPECT_GT(midway, 0) << "no kill landed in the middle of a Build";

    // Every way the last lines can be torn, whether or not a kill made one.
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    const std::string copy = std::string(temp) + "zk_torn_" + std::to_string(::GetCurrentProcessId()) + ".ini";
    const size_t lastHeader = reference.rfind("\r\n[") + 2;
    for (size_t cut = reference.size() - 40; cut < reference.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const std::string text = reference.substr(0, cut);
        e2e::WriteAll(copy, text);
        std::string tail;
        const std::vector<Line> lines = WholeLines(text, tail);
        const std::string section = lines.back().section;
        ExpectReadAlike(copy, section, KeyOf(tail));
    }
    // And a header torn in the middle.
    for (size_t cut = lastHeader; cut < reference.find("\r\n", lastHeader); ++cut) {
        SCOPED_TRACE("header cut at " + std::to_string(cut));
        e2e::WriteAll(copy, reference.substr(0, cut));
        ExpectReadAlike(copy, "Windows", "");
        ExpectReadAlike(copy, "Windows\\System", "");
    }
    ::DeleteFileA(copy.c_str());
    ::DeleteFileA(log_.c_str());
}

}  // namespace
