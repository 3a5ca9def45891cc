#include "core/TextHelpers.h"

namespace zarvik {
namespace {

// Plain ASCII casing: the texts are single-byte and must not depend on the
// locale in force.
char ToLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char ToUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string LowerTrimmed(std::string_view text) {
    std::string result(Trimmed(text));
    for (char& c : result) c = ToLowerAscii(c);
    return result;
}

}  // namespace

std::string_view Trimmed(std::string_view text) { return Trimmed(text, IsBlankOrControl); }

std::string TextAfter(std::string_view text, std::string_view separator) {
    const size_t at = text.find(separator);
    if (at == std::string_view::npos) return std::string(text);
    return std::string(text.substr(at + separator.size()));
}

std::string ListEntryPath(std::string_view entry) {
    size_t end = entry.size();
    for (size_t i = 0; i < entry.size(); ++i) {
        if (entry[i] == '=') {
            end = i;
            break;
        }
        // Only these two spellings count; a mixed-case ".Exe" does not.
        const std::string_view rest = entry.substr(i, 4);
        if (rest == ".EXE" || rest == ".exe") {
            end = i + 4;
            break;
        }
    }
    return LowerTrimmed(entry.substr(0, end));
}

std::string CommandPath(std::string_view commandLine) {
    std::string text(commandLine);
    for (char& c : text) c = ToUpperAscii(c);

    size_t end = text.size();
    for (size_t pos = 0; pos < text.size(); ++pos) {
        // No period is required: a folder starting "EXE" cuts the path too.
        if (pos > 5 && text.compare(pos - 3, 3, "EXE") == 0) {
            end = pos;
            break;
        }
        if (text[pos] == '/') {
            end = pos;
            break;
        }
        if (text[pos] == '"') text[pos] = ' ';
    }
    return LowerTrimmed(std::string_view(text).substr(0, end));
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::string CrLfLines(std::string text) {
    const auto lone = [&](size_t at) {
        return text[at] == '\r' ? at + 1 == text.size() || text[at + 1] != '\n'
                                 : at == 0 || text[at - 1] != '\r';
    };
    bool crlfOnly = true;
    for (size_t at = text.find_first_of("\r\n"); crlfOnly && at != std::string::npos;
         at = text.find_first_of("\r\n", at + 1))
        crlfOnly = !lone(at);
    if (crlfOnly) {
        if (text.size() >= 2 && text.ends_with("\r\n")) text.resize(text.size() - 2);
        return text;
    }
    std::string joined;
    joined.reserve(text.size());
    for (const std::string& line : SplitLines(text)) joined.append(line).append("\r\n");
    if (!joined.empty()) joined.resize(joined.size() - 2);
    return joined;
}

bool IsPathChar(char c) {
    return c == ' ' || c == '\'' || c == '.' || c == '\\' || c == '/' || IsLetter(c) || IsDigit(c);
}

bool IsBlank(char c) { return c == ' '; }

bool IsVowel(char c) {
    switch (ToLowerAscii(c)) {
        case 'a': case 'e': case 'i': case 'o': case 'u': return true;
        default: return false;
    }
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace zarvik
