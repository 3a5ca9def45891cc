#pragma once
// The program's form of a file name, written and read: the ANSI code page's
// bytes, and each UTF-16 code unit the code page cannot hold as four
// hexadecimal digits between angle brackets ("日本語.dll" is "<65E5><672C><8A9E>.dll"). "<" and
// ">" never occur in a Windows file name, so the form reads back
// unambiguously.
#include <functional>
#include <string>
#include <string_view>

namespace zarvik {

// The code unit of the "<XXXX>" at the start of `text`, or -1 when it does
// not start with one.
int EscapedUnit(std::string_view text);

// The units in the name form: each that the code page holds as its bytes
// (`toAnsi(unit, bytes)` gives them, or false when it has none), every
// other one escaped.
template <class Unit, class ToAnsi>
std::string NameForm(std::basic_string_view<Unit> units, ToAnsi toAnsi) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out, bytes;
    for (const Unit unit : units) {
        const auto u = static_cast<unsigned>(unit) & 0xFFFF;
        if (toAnsi(unit, bytes))
            out += bytes;
        else
            out += {'<', kHex[u >> 12], kHex[u >> 8 & 15], kHex[u >> 4 & 15], kHex[u & 15], '>'};
    }
    return out;
}

// Turns a run of the ANSI code page's bytes into UTF-8: the platform's code
// page in the program, `WesternToUtf8` natively.
using AnsiToUtf8 = std::function<std::string(std::string_view)>;

// The name in its real characters: the ANSI runs through `ansi`, the
// escaped units with a surrogate pair joined into one character and a lone
// surrogate as U+FFFD, so the result is valid UTF-8 whatever the escapes
// hold.
std::string NameToUtf8(std::string_view name, const AnsiToUtf8& ansi);

// Windows code page 1252, the ANSI code page of Western systems: the code
// page where no platform tells another. Its five unassigned bytes stand for
// the C1 controls of the same value, as the platform maps them.
std::string WesternToUtf8(std::string_view ansi);

}  // namespace zarvik
