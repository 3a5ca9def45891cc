#include "core/NameForm.h"

namespace zarvik {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

constexpr char32_t kReplacement = 0xFFFD;
bool IsHighSurrogate(int unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(int unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The characters of code page 1252 from 0x80 to 0x9F; the rest is Latin-1.
constexpr char16_t kWestern80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    const auto byte = [&out](char32_t b) { out += static_cast<char>(b); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | c >> 6);
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | c >> 12);
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | c >> 18);
        byte(0x80 | (c >> 12 & 0x3F));
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

}  // namespace

int EscapedUnit(std::string_view text) {
    if (text.size() < 6 || text[0] != '<' || text[5] != '>') return -1;
    int unit = 0;
    for (size_t i = 1; i < 5; ++i) {
        const int d = HexDigit(text[i]);
        if (d < 0) return -1;
        unit = unit * 16 + d;
    }
    return unit;
}

std::string NameToUtf8(std::string_view name, const AnsiToUtf8& ansi) {
    std::string out;
    int high = -1;  // a high surrogate waiting for its low one
    const auto endPair = [&] {
        if (high >= 0) AppendUtf8(out, kReplacement);
        high = -1;
    };
    size_t run = 0;
    for (size_t i = 0; i < name.size();) {
        const int unit = name[i] == '<' ? EscapedUnit(name.substr(i)) : -1;
        if (unit < 0) {
            ++i;
            continue;
        }
        if (i > run) {
            endPair();
            out += ansi(name.substr(run, i - run));
        }
        if (high >= 0 && IsLowSurrogate(unit)) {
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) +
                                (static_cast<char32_t>(unit) - 0xDC00));
            high = -1;
        } else {
            endPair();
            if (IsHighSurrogate(unit))
                high = unit;
            else
                AppendUtf8(out, IsLowSurrogate(unit) ? kReplacement : static_cast<char32_t>(unit));
        }
        i += 6;
        run = i;
    }
    endPair();
    if (run < name.size()) out += ansi(name.substr(run));
    return out;
}

std::string WesternToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (const char c : ansi) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kWestern80[b - 0x80] : b);
    }
    return out;
}

}  // namespace zarvik
