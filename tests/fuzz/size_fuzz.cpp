// The size shown in the result lists for any two sizes the probe returns,
// and their digits grouped with any separator.
#include <algorithm>
#include <cstring>
#include <string>

#include "analysis/ChangeRules.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    if (size < 16) return 0;
    int64_t bytes, other;
    std::memcpy(&bytes, data, sizeof bytes);
    std::memcpy(&other, data + 8, sizeof other);
    const std::string_view separator = fuzz::AsText(data + 16, std::min<size_t>(size - 16, 4));

    // Whole thousands of bytes, never below 1K.
    const int64_t k = SizeInK(bytes);
    fuzz::Check(k == std::max<int64_t>(1, bytes / 1000), "SizeInK is not max(1, bytes / 1000)");

    // Groups of three digits from the right, the first of one to three, and
    // the groups read back as the number (a separator of digits or "-"
    // could not be told apart from them).
    if (!separator.empty() && separator.find_first_of("-0123456789") == std::string_view::npos) {
        const std::string grouped = GroupThousands(bytes, separator);
        std::string digits;
        size_t from = grouped.starts_with('-') ? 1 : 0;
        for (bool first = true;; first = false) {
            const size_t at = grouped.find(separator, from);
            const size_t group = (at == std::string::npos ? grouped.size() : at) - from;
            fuzz::Check(first ? group >= 1 && group <= 3 : group == 3, "GroupThousands grouped wrongly");
            digits += grouped.substr(from, group);
            if (at == std::string::npos) break;
            from = at + separator.size();
        }
        fuzz::Check((bytes < 0 ? "-" : "") + digits == std::to_string(bytes),
                    "GroupThousands does not read back as the number");
    }
    fuzz::Check(SizedEntry("c:\\x", std::to_string(k)) == "c:\\x = " + std::to_string(k) + "K", "SizedEntry");
    return 0;
}
