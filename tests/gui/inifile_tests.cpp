// The log store read side by side with the platform's own INI functions
// (GetPrivateProfileStringA / GetPrivateProfileIntA) over the same files:
// the fuzz corpus, and generated texts with odd spacing, repeated keys and
// sections, comments, blank lines and every line-end form.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/LogFileSystem.h"
#include "core/LogStore.h"
#include "gtest/gtest.h"
#include "gui/support/Harness.h"

using namespace testing_support;

namespace {

const char* const kMissing = "\x01missing";

// The whole block the platform returns: a name-less entry puts an empty
// name in it, which ends the list for a reader that stops at two zeros; the
// store lists the names after it too, so they are read here as well.
std::vector<std::string> SplitZeros(const std::vector<char>& block, DWORD length) {
    std::vector<std::string> names;
    for (size_t i = 0; i < length;) {
        std::string name(&block[i]);
        i += name.size() + 1;
        if (!name.empty()) names.push_back(std::move(name));
    }
    return names;
}

// The platform answers a list whose first name is empty (a name-less
// entry leads the section) with the default instead; its section block
// still holds the names after it.
std::vector<std::string> PlatformKeys(const std::string& path, const std::string& section) {
    std::vector<char> block(1 << 16);
    const DWORD n = ::GetPrivateProfileStringA(section.c_str(), nullptr, "", block.data(),
                                               static_cast<DWORD>(block.size()), path.c_str());
    if (n > 0) return SplitZeros(block, n);
    const DWORD lines = ::GetPrivateProfileSectionA(section.c_str(), block.data(),
                                                    static_cast<DWORD>(block.size()), path.c_str());
    std::vector<std::string> names;
    for (std::string& line : SplitZeros(block, lines))
        if (const size_t equals = line.find('='); equals != std::string::npos && equals > 0)
            names.push_back(line.substr(0, equals));
    return names;
}

std::string PlatformString(const std::string& path, const std::string& section, const std::string& key) {
    char value[4096];
    ::GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, value, sizeof value, path.c_str());
    return value;
}

// Every "[...]" of the text and every name in it, so that both readers are
// asked about the same sections and keys, whatever each makes of the lines.
// Names are cut at a NUL, as every name handed to the platform is.
struct Names {
    std::set<std::string> sections, keys;
    // Section and key (upper case) of a line without "=" that comes before
    // any line of that name with one: see Differences.
    std::set<std::pair<std::string, std::string>> valueless;
};

std::string Upper(std::string s) {
    if (!s.empty()) ::CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

Names CandidateNames(const std::string& text) {
    Names names;
    const auto clean = [](std::string s) {
        s = s.substr(0, s.find('\0'));
        const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; };
        while (!s.empty() && blank(s.front())) s.erase(0, 1);
        while (!s.empty() && blank(s.back())) s.pop_back();
        return s;
    };
    std::string line, section;
    std::set<std::pair<std::string, std::string>> valued;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') {
            line += text[i];
            continue;
        }
        const std::string t = clean(line);
        line.clear();
        const size_t close = t.rfind(']');
        if (!t.empty() && t[0] == '[' && close != std::string::npos) {
            section = clean(t.substr(1, close - 1));
            names.sections.insert(section);
        } else if (const size_t eq = t.find('='); eq != std::string::npos) {
            const std::string key = clean(t.substr(0, eq));
            names.keys.insert(key);
            valued.insert({Upper(section), Upper(key)});
        } else if (!t.empty()) {
            names.keys.insert(t);
            if (!valued.count({Upper(section), Upper(t)})) names.valueless.insert({Upper(section), Upper(t)});
        }
    }
    names.sections.insert("");
    return names;
}

// The number a text wholly is, read here on its own: decimal with an
// optional sign, or "0x" or "0X" and hex digits, within 32 bits.
std::optional<int64_t> WhollyNumber(const std::string& t) {
    const bool hex = t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X');
    const char first = t.c_str()[hex ? 2 : t[0] == '+' || t[0] == '-'];
    char* end = nullptr;
    errno = 0;
    const long long n = std::strtoll(t.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
    if (!std::isxdigit(static_cast<unsigned char>(first)) || *end || errno || (hex && n > 0xFFFFFFFFLL))
        return std::nullopt;
    return hex ? static_cast<int32_t>(static_cast<uint32_t>(n)) : n;
}

// What differs between the two readers for one file, one line per difference.
std::vector<std::string> Differences(const std::string& path, const std::string& text) {
    std::vector<std::string> found;
    auto fs = zarvik::MakePlatformLogFileSystem();
    zarvik::LogStore store(path, *fs);
    const Names names = CandidateNames(text);
    for (const std::string& section : names.sections) {
        const std::vector<std::string> platformKeys = PlatformKeys(path, section);
        const std::vector<std::string> storeKeys = store.ReadSectionKeys(section);
        // The platform lists a repeated key at each of its lines; the store
        // lists every key once, as each stands for one file.
        std::vector<std::string> firstKeys;
        for (const std::string& key : platformKeys) {
            const auto same = [&](const std::string& k) { return ::lstrcmpiA(k.c_str(), key.c_str()) == 0; };
            if (std::none_of(firstKeys.begin(), firstKeys.end(), same)) firstKeys.push_back(key);
        }
        if (firstKeys != storeKeys) {
            std::ostringstream line;
            line << "[" << section << "] keys: platform";
            for (const auto& k : platformKeys) line << " '" << k << "'";
            line << " store";
            for (const auto& k : storeKeys) line << " '" << k << "'";
            found.push_back(line.str());
        }
        std::set<std::string> keys(names.keys.begin(), names.keys.end());
        keys.insert(platformKeys.begin(), platformKeys.end());
        for (const std::string& key : keys) {
            if (key.empty()) continue;
            const std::string platform = PlatformString(path, section, key);
            const std::string mine = store.ReadString(section, key, kMissing);
            // Kept on purpose: the platform lists a name from its line with
            // "=" but reads it from an earlier line without one, which has no
            // value; the store reads the line that holds the value, so that
            // every file it lists has its size.
            const bool shadowed = platform == kMissing && names.valueless.count({Upper(section), Upper(key)});
            if (platform != mine && !shadowed)
                found.push_back("[" + section + "] " + key + ": platform '" + platform + "' store '" + mine + "'");
            const int32_t platformInt = static_cast<int32_t>(::GetPrivateProfileIntA(section.c_str(), key.c_str(), -7, path.c_str()));
            const int64_t storeInt = store.ReadInteger(section, key, -7);
            // Both ways: a text wholly a number reads as the platform reads it
            // (unless only the store reads "0X" as hex, or the platform has
            // shadowed it), any other as the default (not its leading digits).
            const std::optional<int64_t> number = WhollyNumber(mine);
            const bool upperHex = number && mine[1] == 'X';
            // Sizes and times beyond 32 bits: the store reads 64, the platform 32.
            const bool wide = number && *number != static_cast<int32_t>(*number);
            const int64_t expected = !number ? -7 : upperHex || shadowed || wide ? *number : platformInt;
            if (storeInt != expected)
                found.push_back("INT [" + section + "] " + key + ": platform " + std::to_string(platformInt) + " store " + std::to_string(storeInt) + " text '" + platform + "'");
        }
    }
    return found;
}

// Random INI-like texts built from the shapes hand-edited and foreign files have.
std::string GeneratedText(std::mt19937& random) {
    static const std::vector<std::string> lineEnds = {"\r\n", "\n", "\r", "\r\n"};
    static const std::vector<std::string> shapes = {
        "[Windows]", " [Windows] ", "[windows]", "[ Windows ]", "[Windows\\System]", "[Dir0]",
        "[Windows Times]", "[Windows\\SysWOW64 Times]", "N=134412874444191921",
        "[Open", "[A]trailing", "", "   ", "\t", "; comment", ";KEY=1", "#hash=1",
        "KEY=1", "key=2", " KEY = 3 ", "KEY\t=\t4", "KEY=", "NOEQUALS", "OTHER=a b  c",
        "OTHER=  spaced  ", "WIN.INI=1234", "win.ini=99", "N=0x1F", "N=-12", "N=+5", "N=12abc",
        "A=B=C", "X = [not a section]", "Q=\"quoted\"", "Q='single'", "Q=\"open", "N= 7 ", "N=0x", "N=99999999999",
        "N=-0x10", "N=0XfF", "[Optional]", "Subdirectories0=1", "C:\\T\\SUB\\DEEP.DLL=9",
    };
    std::uniform_int_distribution<size_t> pickShape(0, shapes.size() - 1);
    std::uniform_int_distribution<size_t> pickEnd(0, lineEnds.size() - 1);
    std::uniform_int_distribution<int> count(1, 14);
    const std::string end = lineEnds[pickEnd(random)];
    std::string text;
    const int lines = count(random);
    for (int i = 0; i < lines; ++i) {
        text += shapes[pickShape(random)];
        if (i + 1 < lines || random() % 2) text += end;
    }
    return text;
}

TEST(LogStoreAgainstTheProfileFunctions, ReadTheSameSectionsKeysAndValues) {
    TempDir dir;
    std::vector<std::string> texts;
    const std::filesystem::path corpus = std::filesystem::path(ZARVIK_LOGSTORE_CORPUS);
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        texts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::mt19937 random(20261208);
    for (int i = 0; i < 400; ++i) texts.push_back(GeneratedText(random));

    int differing = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string path = dir / ("t" + std::to_string(i) + ".ini");
        WriteFile(path, texts[i]);
        const std::vector<std::string> found = Differences(path, texts[i]);
        if (found.empty()) continue;
        if (++differing > 12) continue;
        std::string shown = texts[i];
        for (char& c : shown) if (c == '\r') c = '~';
        ADD_FAILURE() << "text:\n" << shown << "\n---\n" << [&] {
            std::string all;
            for (const auto& f : found) all += f + "\n";
            return all;
        }();
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace

namespace {

// A log the platform itself wrote, around a hand-made start with a comment,
// blank lines and no final line end.
TEST(LogStoreAgainstTheProfileFunctions, ReadALogThePlatformWroteAsThePlatformDoes) {
    TempDir dir;
    const std::string path = dir / "platform.ini";
    WriteFile(path, "; made by hand\r\n\r\n[Optional]\r\nCount = 1\r\n\r\n[Windows]\r\nOLD.DLL=5");
    for (int i = 0; i < 50; ++i) {
        const std::string key = "FILE" + std::to_string(i) + (i % 2 ? ".dll" : ".EXE");
        const std::string section = i % 3 == 0 ? "Windows" : i % 3 == 1 ? "Windows\\System" : "Dir0";
        ASSERT_TRUE(::WritePrivateProfileStringA(section.c_str(), key.c_str(), std::to_string(i * 7).c_str(),
                                                 path.c_str()));
    }
    ::WritePrivateProfileStringA("Optional", "Directory0", "C:\\TOOLS", path.c_str());
    ::WritePrivateProfileStringA("windows", "old.dll", "6", path.c_str());
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // flush the platform's cache
    EXPECT_EQ(Differences(path, ReadFile(path)), std::vector<std::string>{});
    auto fs = zarvik::MakePlatformLogFileSystem();
    zarvik::LogStore store(path, *fs);
    EXPECT_EQ(store.ReadInteger("Windows", "OLD.DLL", 0), 6);
    EXPECT_EQ(store.ReadSectionKeys("Dir0").size(), 16u);
}

// Where the store reads differently on purpose: an entry without a name
// ends the platform's list of keys (its block of names has two zeros
// there), so every key after it would never be tested for deletion.
TEST(LogStoreAgainstTheProfileFunctions, KeysAfterANamelessEntryAreStillListed) {
    TempDir dir;
    const std::string path = dir / "nameless.ini";
    WriteFile(path, "[Windows]\r\nA.DLL=1\r\n=5\r\nB.DLL=2\r\n");
    char block[256] = {};
    ::GetPrivateProfileStringA("Windows", nullptr, "", block, sizeof block, path.c_str());
    EXPECT_STREQ(block, "A.DLL") << "the platform's list, read to its double zero";
    EXPECT_EQ(block[std::strlen(block) + 1], '\0');
    auto fs = zarvik::MakePlatformLogFileSystem();
    zarvik::LogStore store(path, *fs);
    EXPECT_EQ(store.ReadSectionKeys("Windows"), (std::vector<std::string>{"A.DLL", "B.DLL"}));
}

}  // namespace
