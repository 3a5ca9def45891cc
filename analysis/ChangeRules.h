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

}  // namespace zarvik
