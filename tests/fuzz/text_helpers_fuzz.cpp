// The path and text helpers on any list entry or command line: the first
// byte picks how long a separator TextAfter looks for.
#include <algorithm>

#include "core/TextHelpers.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

using zarvik::fuzz::Check;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

void CheckLowerTrimmed(const std::string& path, std::string_view from, const char* what) {
    Check(path.size() <= from.size(), what);
    Check(path.empty() || (!IsBlankOrControl(path.front()) && !IsBlankOrControl(path.back())), what);
    for (char c : path) Check(c < 'A' || c > 'Z', what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    const std::string_view input = fuzz::AsText(data, size);
    if (input.empty()) return 0;

    const size_t separatorLength = std::min<size_t>(input.size() - 1, data[0] & 7);
    const std::string_view separator = input.substr(1, separatorLength);
    const std::string_view text = input.substr(1 + separatorLength);
    // With the separator in it, the text ends in the separator and what
    // TextAfter gives; without, TextAfter gives the text itself.
    const std::string after = TextAfter(text, separator);
    if (!separator.empty() && text.find(separator) != std::string_view::npos)
        Check(text.ends_with(std::string(separator) + after), "TextAfter does not end the text");
    else
        Check(after == text, "TextAfter changed a text without the separator");

    const std::string entry = ListEntryPath(input);
    CheckLowerTrimmed(entry, input, "ListEntryPath not a trimmed lower-case prefix");
    Check(entry.find('=') == std::string::npos, "ListEntryPath kept an equals sign");

    const std::string command = CommandPath(input);
    CheckLowerTrimmed(command, input, "CommandPath not trimmed lower case");
    Check(command.find_first_of("\"/") == std::string::npos, "CommandPath kept a quote or switch");
    return 0;
}
