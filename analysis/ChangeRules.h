#pragma once
// How a measured file compares with its log entry, and how its size is shown.
// Plain C++ so the rules are tested without windows.
#include <cstdint>
#include <string>
#include <string_view>

namespace zarvik {

// The size shown in the result lists: bytes / 1000 (not 1024), at least 1;
// -1 (a file that cannot be opened) shows as 1 too. No upper cap: a file of
// 100 MB shows as 100,000K.
int64_t SizeInK(int64_t bytes);

// Decimal text with `separator` between groups of three digits from the right.
std::string GroupThousands(int64_t value, std::string_view separator);

// The Files Added / Files Changed form: path, " = ", size text, "K".
std::string SizedEntry(std::string_view path, std::string_view sizeText);

struct Verdict {
    bool zeroLength = false;
    bool changed = false;
    bool added = false;
};

// `current` is the size probe now, `logged` the log's size (0 = not logged).
Verdict Compare(int64_t current, int64_t logged);

// A file of unchanged size whose last-write time moved: a replacement that
// kept the byte count. Times are the platform's 100 ns ticks; 0 is no time.
enum class TimeChange { None, Newer, Older };
// Differences under 2 s are the resolution of FAT, not changes; on a FAT
// volume, which stores local time, a shift of whole hours is a change of
// the clock (daylight saving, time zone), not of the file.
TimeChange CompareTimes(int64_t current, int64_t logged, bool fatVolume);
// " (same size, newer)", " (same size, older)", or nothing.
std::string_view TimeMark(TimeChange change);

// A file's version now against the logged one, as dotted texts; an empty
// text is no version. A file logged without a version is judged by size and
// time alone, so only a logged version can make a change. A version gone
// since is a change, but no downgrade.
struct VersionChange {
    bool changed = false;
    bool older = false;  // both versions read, the new one lower field by field
    std::string text;    // "version 6.0.8168.0, was 6.2.8073.0: older", or empty
};
VersionChange CompareVersionTexts(std::string_view now, std::string_view logged);

// What follows "path = sizeK" in Files Changed: the same-size mark and the
// version in one parenthesis, the mark first, "; " between them:
// " (same size, newer; version 6.0.8168.0, was 6.2.8073.0: older)".
// Nothing when there is neither.
std::string ChangeMarks(TimeChange moved, const VersionChange& version);

}  // namespace zarvik
