#pragma once
// The program's form of a file name: the ANSI code page's bytes, and each
// UTF-16 code unit the code page cannot hold as four hexadecimal digits
// between angle brackets ("日本語.dll" is "<65E5><672C><8A9E>.dll"). "<" and
// ">" never occur in a Windows file name, so the form reads back
// unambiguously.
#include <string_view>

namespace zarvik {

// The code unit of the "<XXXX>" at the start of `text`, or -1 when it does
// not start with one.
int EscapedUnit(std::string_view text);

}  // namespace zarvik
