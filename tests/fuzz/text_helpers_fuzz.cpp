// The path and text helpers on any list entry or command line, each against
// its rule told another way: the first byte picks how long a separator
// TextAfter looks for.
#include <algorithm>
#include <string>
#include <string_view>

#include "core/TextHelpers.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

using zarvik::fuzz::Check;

std::string LowerTrimmed(std::string_view text) {
    std::string lower(zarvik::Trimmed(text));
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return lower;
}

// Where an entry's path ends: before the first "=", or after the first
// ".EXE" or ".exe", whichever comes first.
size_t EntryPathEnd(std::string_view entry) {
    size_t end = entry.find('=');
    for (std::string_view exe : {".EXE", ".exe"}) {
        const size_t at = entry.find(exe);
        if (at != std::string_view::npos) end = std::min(end, at + exe.size());
    }
    return std::min(end, entry.size());
}

// Where a command line's program ends: before the first "/", or after the
// first "EXE" in any case that ends past position 5.
std::string CommandProgram(std::string_view commandLine) {
    std::string upper(commandLine);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
    size_t end = std::min(upper.find('/'), upper.size());
    const size_t exe = upper.find("EXE", 3);
    if (exe != std::string::npos) end = std::min(end, exe + 3);
    std::string program = upper.substr(0, end);
    for (char& c : program)
        if (c == '"') c = ' ';
    return LowerTrimmed(program);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    const std::string_view input = fuzz::AsText(data, size);
    if (input.empty()) return 0;

    const size_t separatorLength = std::min<size_t>(input.size() - 1, data[0] & 7);
    const std::string_view separator = input.substr(1, separatorLength);
    const std::string_view text = input.substr(1 + separatorLength);
    // Everything after the separator's first occurrence; the text itself
    // when it does not occur.
    const size_t at = text.find(separator);
    Check(TextAfter(text, separator) ==
              (at == std::string_view::npos ? text : text.substr(at + separator.size())),
          "TextAfter is not the text after the first separator");

    Check(ListEntryPath(input) == LowerTrimmed(input.substr(0, EntryPathEnd(input))),
          "ListEntryPath is not the lower-cased, trimmed path before its end");
    Check(CommandPath(input) == CommandProgram(input),
          "CommandPath is not the lower-cased, trimmed program");
    return 0;
}
