// The size shown in the result lists for any size the probe returns, and
// its digits grouped with any separator.
#include <algorithm>
#include <cstring>
#include <string>

#include "analysis/ChangeRules.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    if (size < 4) return 0;
    int32_t bytes;
    std::memcpy(&bytes, data, sizeof bytes);
    const std::string_view separator = fuzz::AsText(data + 4, std::min<size_t>(size - 4, 4));

    const int32_t k = SizeInK(bytes);
    const int64_t plain = bytes / 1000;
    fuzz::Check(k == (plain < 1 ? 1 : plain > 32767 ? 32767 : plain), "SizeInK");

    // Rebuilt from the plain digits: a separator before each group of three.
    const std::string digits = std::to_string(bytes < 0 ? -static_cast<int64_t>(bytes) : bytes);
    std::string expected = bytes < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) expected.append(separator);
        expected += digits[i];
    }
    fuzz::Check(GroupThousands(bytes, separator) == expected, "GroupThousands");
    fuzz::Check(SizedEntry("c:\\x", std::to_string(k)) == "c:\\x = " + std::to_string(k) + "K", "SizedEntry");
    return 0;
}
