#include "analysis/ChangeRules.h"

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

Verdict Compare(int64_t current, int64_t logged) {
    Verdict v;
    v.zeroLength = current == 0;
    v.changed = logged != 0 && current != logged;
    v.added = logged == 0 && current != 0;
    return v;
}

}  // namespace zarvik
