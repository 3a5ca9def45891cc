#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarvik {

// The text without the bytes `blank` accepts at either end: the one trim.
template <typename Blank>
std::string_view Trimmed(std::string_view text, Blank blank) {
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}
// The text without blanks and control bytes (codes 32 and below) at either end.
std::string_view Trimmed(std::string_view text);

// Everything after the first occurrence of separator; the whole text when the
// separator does not occur.
std::string TextAfter(std::string_view text, std::string_view separator);

// The lower-case path of a result-list entry ("path = size K"): up to the
// first "=", or up to and including the first ".EXE" or ".exe", trimmed.
std::string ListEntryPath(std::string_view entry);

// The lower-case program path of a command line: quotes become blanks, a "/"
// switch ends it, and it is cut directly after the first "EXE" past position 5.
std::string CommandPath(std::string_view commandLine);

// The lines of a text whose lines end in CR LF, LF or CR. A final line end
// starts no further line; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines joined by CR LF, as an edit control holds them; a text that
// is in that form already is kept, not copied line by line.
std::string CrLfLines(std::string text);

// Character classes over single bytes; bytes of 128 and above are in none.
bool IsPathChar(char c);
bool IsBlank(char c);
bool IsVowel(char c);
bool IsLetter(char c);
bool IsDigit(char c);

}  // namespace zarvik
