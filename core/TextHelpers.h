#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarvik {

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

// Character classes over single bytes; bytes of 128 and above are in none.
bool IsPathChar(char c);
bool IsBlank(char c);
bool IsVowel(char c);
bool IsLetter(char c);
bool IsDigit(char c);

}  // namespace zarvik
