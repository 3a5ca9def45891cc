// The size shown in the result lists for any size the probe returns, and
// its digits grouped with any separator.
#include <algorithm>
#include <cstring>
#include <string>

#include "analysis/ChangeRules.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    if (size < 8) return 0;
    int64_t bytes;
    std::memcpy(&bytes, data, sizeof bytes);
    const std::string_view separator = fuzz::AsText(data + 8, std::min<size_t>(size - 8, 4));

    const int64_t k = SizeInK(bytes);
    fuzz::Check(k >= 1, "SizeInK is at least 1");
    fuzz::Check(bytes < 1000 || (k <= bytes / 1000 && k * 1000 + 999 >= bytes), "SizeInK is bytes / 1000");

    // Rebuilt from the plain digits: a separator before each group of three.
    const std::string digits = std::to_string(bytes < 0 ? 0 - static_cast<uint64_t>(bytes) : static_cast<uint64_t>(bytes));
    std::string expected = bytes < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) expected.append(separator);
        expected += digits[i];
    }
    fuzz::Check(GroupThousands(bytes, separator) == expected, "GroupThousands");
    fuzz::Check(SizedEntry("c:\\x", std::to_string(k)) == "c:\\x = " + std::to_string(k) + "K", "SizedEntry");
    return 0;
}
