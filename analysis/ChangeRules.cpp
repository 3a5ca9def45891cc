#include "analysis/ChangeRules.h"

namespace zarvik {

int32_t SizeInK(int32_t bytes) {
    int32_t k = bytes / 1000;
    if (k < 1) return 1;
    if (k > 32767) return 32767;
    return k;
}

std::string GroupThousands(int32_t value, std::string_view separator) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<int64_t>(value) : value);
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

Verdict Compare(int32_t current, int32_t logged) {
    Verdict v;
    v.zeroLength = current == 0;
    v.changed = logged != 0 && current != logged;
    v.added = logged == 0 && current != 0;
    return v;
}

}  // namespace zarvik
