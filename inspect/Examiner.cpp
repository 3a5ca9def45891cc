#include "inspect/Examiner.h"

#include <array>
#include <string_view>

namespace zarvik {

namespace {

struct Capability {
    const char* message;
    std::array<std::string_view, 8> names;  // empty names match nothing
};

// Names are matched case-sensitively as prefixes of a line.
const Capability kCapabilities[] = {
    {"This program appears to read your computers network name details", {"GetComputerName"}},
    {"This program appears capable of file access",
     {"open", "wopen", "fopen", "wfopen", "fsopen", "freopen", "ReadFile", "OpenFile"}},
    {"This program appears capable of writing to files", {"write", "fwrite", "lwrite", "WriteFile"}},
    {"This program appears capable of deleting to files", {"DeleteFile"}},
    {"This program appears capable of moving to files", {"MoveFile"}},
    {"This program appears capable of DDE Calls", {"DdeConnect"}},
    {"This program appears capable of Registry access", {"RegOpenKey", "VMMRegOpen"}},
    {"This program appears capable of Internet Access", {"WSASocket", "opensocket", "closesocket"}},
    {"This program appears capable of Remote Procedure Calls", {"RpcBinding"}},
    {"This program appears to log onto a server", {"LogonUser"}},
    {"This program appears capable of adding registry keys", {"RegCreateKey"}},
    {"This program appears capable of changing registry keys",
     {"RegSaveKey", "RegSetValue", "RegReplaceKe"}},
    {"This program appears capable of deleting registry keys", {"RegDeleteKey"}},
};
constexpr size_t kCapabilityCount = std::size(kCapabilities);

constexpr std::string_view kRegistryPrefixes[] = {"System\\",   "SYSTEM\\",   "Software\\",
                                                  "SOFTWARE\\", "Hardware\\", "HARDWARE\\"};

struct Banner {
    std::string_view line;
    const char* finding;
};
constexpr Banner kBanners[] = {
    {"Microsoft Visual C", "This program was written in Microsoft Visual C"},
    {"Borland C", "This program was written in Borland C"},
    {"Borland", "This program was written in Borland Delphi"},
};

}  // namespace

void ExamineStrings(const StringList& strings, StringList& findings) {
    findings.Clear();
    std::array<bool, kCapabilityCount> seen{};
    for (size_t n = 0; n < strings.Count(); ++n) {
        const std::string_view line = strings[n];
        for (size_t i = 0; i < kCapabilityCount; ++i) {
            if (seen[i]) continue;
            for (std::string_view name : kCapabilities[i].names) {
                if (!name.empty() && line.starts_with(name)) {
                    seen[i] = true;
                    break;
                }
            }
        }
        for (std::string_view prefix : kRegistryPrefixes)
            if (line.starts_with(prefix)) findings.Add("Appears to access Reg Key: ", line);
        for (const Banner& b : kBanners)
            if (line == b.line) findings.Add(b.finding);
        // A period fourth from the end: a name with a three-letter extension.
        if (line.size() >= 4 && line[line.size() - 4] == '.')
            findings.Add("Appears to use this file:", line);
    }
    for (size_t i = 0; i < kCapabilityCount; ++i)
        if (seen[i]) findings.Add(kCapabilities[i].message);
}

}  // namespace zarvik
