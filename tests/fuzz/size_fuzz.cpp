// The size shown in the result lists for any two sizes the probe returns,
// and their digits grouped with any separator.
#include <algorithm>
#include <cstring>
#include <string>

#include "analysis/ChangeRules.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    if (size < 8) return 0;
    if (size < 16) return 0;
    int64_t bytes, other;
    std::memcpy(&bytes, data, sizeof bytes);
    std::memcpy(&other, data + 8, sizeof other);
    const std::string_view separator = fuzz::AsText(data + 16, std::min<size_t>(size - 16, 4));

    // Properties, not the rules again: at least 1K, and never less for more bytes.
    const int64_t k = SizeInK(bytes);
    fuzz::Check(k >= 1, "SizeInK below 1");
    fuzz::Check(SizeInK(std::min(bytes, other)) <= SizeInK(std::max(bytes, other)), "SizeInK not monotone");

    // The grouped digits read back as the number once the separators are
    // taken out (a separator of digits or "-" could not be told apart).
    if (separator.find_first_of("-0123456789") == std::string_view::npos) {
        std::string digits = GroupThousands(bytes, separator);
        for (size_t at; !separator.empty() && (at = digits.find(separator)) != std::string::npos;)
            digits.erase(at, separator.size());
        fuzz::Check(digits == std::to_string(bytes), "GroupThousands does not read back as the number");
    }
    fuzz::Check(SizedEntry("c:\\x", std::to_string(k)) == "c:\\x = " + std::to_string(k) + "K", "SizedEntry");
    return 0;
}
