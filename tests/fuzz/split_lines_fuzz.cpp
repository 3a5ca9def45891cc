// The Compare line splitter against a plain reference: CR LF, LF and CR
// each end a line, and a final line end starts no further line.
#include <string>
#include <vector>

#include "core/TextHelpers.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    const std::string_view text = fuzz::AsText(data, size);

    std::vector<std::string> expected;
    std::string line;
    bool open = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            expected.push_back(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open) expected.push_back(line);
    fuzz::Check(SplitLines(text) == expected, "SplitLines differs from the reference");
    return 0;
}
