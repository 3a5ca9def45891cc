#include "analysis/ChangeRules.h"

#include "core/PeVersion.h"

namespace zarvik {

int64_t SizeInK(int64_t bytes) {
    const int64_t k = bytes / 1000;
    return k < 1 ? 1 : k;
}

std::string GroupThousands(int64_t value, std::string_view separator) {
    const bool negative = value < 0;
    // Unsigned, so the lowest value has a magnitude too.
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out.append(separator);
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

std::string SizedEntry(std::string_view path, std::string_view sizeText) {
    std::string entry(path);
    entry.append(" = ").append(sizeText).append("K");
    return entry;
}

TimeChange CompareTimes(int64_t current, int64_t logged, bool fatVolume) {
    constexpr int64_t kSecond = 10'000'000, kHour = 3600 * kSecond, kResolution = 2 * kSecond;
    if (current == 0 || logged == 0 || current == logged) return TimeChange::None;
    const int64_t difference = current > logged ? current - logged : logged - current;
    if (difference < kResolution) return TimeChange::None;
    if (fatVolume && difference <= 24 * kHour) {
        const int64_t offHour = difference % kHour;
        if (offHour < kResolution || kHour - offHour < kResolution) return TimeChange::None;
    }
    return current > logged ? TimeChange::Newer : TimeChange::Older;
}

std::string_view TimeMark(TimeChange change) {
    switch (change) {
    case TimeChange::Newer: return " (same size, newer)";
    case TimeChange::Older: return " (same size, older)";
    case TimeChange::None: break;
    }
    return {};
}

VersionChange CompareVersionTexts(std::string_view now, std::string_view logged) {
    VersionChange change;
    const std::optional<FileVersion> current = ParseVersion(now), was = ParseVersion(logged);
    if (logged.empty() || now == logged || (current && was && *current == *was)) return change;
    change.changed = true;
    change.older = current && was && *current < *was;
    change.text = now.empty() ? "no version" : "version " + std::string(now);
    change.text.append(", was ").append(logged);
    if (change.older) change.text.append(": older");
    return change;
}

std::string ChangeMarks(TimeChange moved, const VersionChange& version) {
    std::string_view time = TimeMark(moved);
    if (version.text.empty()) return std::string(time);
    if (time.empty()) return " (" + version.text + ")";
    time.remove_suffix(1);  // the closing parenthesis now follows the version
    return std::string(time).append("; ").append(version.text).append(")");
}

Verdict Compare(int64_t current, int64_t logged) {
    Verdict v;
    v.zeroLength = current == 0;
    v.changed = logged != 0 && current != logged;
    v.added = logged == 0 && current != 0;
    return v;
}

}  // namespace zarvik
