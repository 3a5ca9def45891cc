// The Compare line splitter, by a round trip: its lines, each followed by
// the line end found after it in the text (CR LF, LF or CR), give back the
// text whole, and a final line end starts no further line.
#include <string>
#include <vector>

#include "core/TextHelpers.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    const std::string_view text = fuzz::AsText(data, size);
    const std::vector<std::string> lines = SplitLines(text);

    size_t at = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        fuzz::Check(line.find_first_of("\r\n") == std::string::npos, "a line holds a line end");
        fuzz::Check(text.substr(at).starts_with(line), "a line is not the text's next part");
        at += line.size();
        if (at == text.size()) {
            // Only the last line may end the text without a line end, and an
            // empty one there would be a line the text does not have.
            fuzz::Check(i + 1 == lines.size() && !line.empty(), "a line beyond the text's end");
            break;
        }
        fuzz::Check(text[at] == '\r' || text[at] == '\n', "a line ends before its line end");
        at += text.substr(at, 2) == "\r\n" ? 2 : 1;
    }
    fuzz::Check(at == text.size(), "the lines do not give the whole text back");
    return 0;
}
