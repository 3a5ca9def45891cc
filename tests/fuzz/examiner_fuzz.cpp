// The examiner on any strings: those extracted from the input, and the
// input's own lines.
#include "inspect/Examiner.h"
#include "inspect/StringExtraction.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    const std::string_view text = fuzz::AsText(data, size);

    StringList lines;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.Add(text.substr(start, end - start));
        start = end + 1;
    }
    StringList findings{"left over"};
    ExamineStrings(lines, findings);
    for (size_t i = 0; i < findings.Count(); ++i) fuzz::Check(findings[i] != "left over", "findings not emptied");

    StringList strings;
    ExtractStrings(data, size, strings);
    ExamineStrings(strings, findings);
    return 0;
}
