#include "core/LogLayout.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>

#include "core/LogStore.h"

namespace zarvik {

namespace {

constexpr std::string_view kDirectoryKeyStem = "Directory";
constexpr std::string_view kOptionalSectionStem = "Dir";
constexpr std::string_view kSubdirectoriesKeyStem = "Subdirectories";

// The index behind `stem` in a name such as "Dir12" or "directory3" (the
// stem without regard to case, the index as written: no leading zeros).
std::optional<int> IndexAfter(std::string_view stem, std::string_view name) {
    if (name.size() <= stem.size() || name.size() > stem.size() + 10) return std::nullopt;
    for (size_t i = 0; i < stem.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != std::toupper(static_cast<unsigned char>(stem[i])))
            return std::nullopt;
    const std::string_view digits = name.substr(stem.size());
    int index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size() || std::to_string(index) != digits)
        return std::nullopt;
    return index;
}

int RecordedOptionalCount(LogStore& log) {
    return static_cast<int>(
        std::min<int64_t>(log.ReadInteger(kOptionalSection, kOptionalCount, 0), OptionalIndexesInUse(log)));
}

}  // namespace

std::string TimesSection(std::string_view section) { return std::string(section) + " Times"; }

bool HoldsDirectory(LogStore& log, std::string_view section) {
    return !log.ReadSectionKeys(section).empty() ||
           log.ReadInteger(TimesSection(section), kLoggedEmptyKey, 0) != 0;
}

void EraseDirectorySections(LogStore& log, std::string_view section) {
    log.EraseSection(std::string(section));
    log.EraseSection(TimesSection(section));
}

std::string OptionalDirectoryKey(int index) { return std::string(kDirectoryKeyStem) + std::to_string(index); }

std::string OptionalSection(int index) { return std::string(kOptionalSectionStem) + std::to_string(index); }

std::string OptionalSubdirectoriesKey(int index) {
    return std::string(kSubdirectoriesKeyStem) + std::to_string(index);
}

int OptionalIndexesInUse(LogStore& log) {
    int used = 0;
    for (const std::string& key : log.ReadSectionKeys(kOptionalSection))
        if (const auto i = IndexAfter(kDirectoryKeyStem, key)) used = std::max(used, *i + 1);
    for (const std::string& section : log.ReadSectionNames())
        if (const auto i = IndexAfter(kOptionalSectionStem, section)) used = std::max(used, *i + 1);
    return used;
}

std::vector<OptionalDirectory> ReadOptionalDirectories(LogStore& log) {
    std::vector<OptionalDirectory> directories;
    const int count = RecordedOptionalCount(log);
    for (int i = 0; i < count; ++i)
        directories.push_back({log.ReadString(kOptionalSection, OptionalDirectoryKey(i), ""), OptionalSection(i),
                               log.ReadInteger(kOptionalSection, OptionalSubdirectoriesKey(i), 0) != 0});
    return directories;
}

std::vector<LoggedDirectory> WriteOptionalDirectories(LogStore& log,
                                                      const std::vector<ChosenDirectory>& directories) {
    const int old = RecordedOptionalCount(log);
    for (int i = 0; i < old; ++i) EraseDirectorySections(log, OptionalSection(i));
    log.EraseSection(kOptionalSection);
    const int n = static_cast<int>(directories.size());
    log.WriteString(kOptionalSection, kOptionalCount, std::to_string(n));
    for (int i = 0; i < n; ++i) {
        const ChosenDirectory& d = directories[static_cast<size_t>(i)];
        log.WriteString(kOptionalSection, OptionalDirectoryKey(i), d.directory);
        if (d.subdirectories) log.WriteString(kOptionalSection, OptionalSubdirectoriesKey(i), "1");
    }
    std::vector<LoggedDirectory> logged;
    for (int i = 0; i < n; ++i)
        logged.push_back({directories[static_cast<size_t>(i)].directory + "\\", OptionalSection(i), true});
    return logged;
}

}  // namespace zarvik
