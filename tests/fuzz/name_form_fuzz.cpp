// Any name from the log (anyone may have written it) comes out as valid UTF-8;
// units in the name form read back, a lone surrogate as U+FFFD.
#include "core/NameForm.h"
#include "tests/fuzz/FuzzInput.h"

using zarvik::fuzz::Check;

// Strict UTF-8 to UTF-16: false on a malformed, overlong or surrogate sequence.
static bool DecodeUtf8(std::string_view text, std::u16string& out) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i++]);
        const size_t more = lead < 0x80 ? 0 : lead < 0xC2 ? 9 : lead < 0xE0 ? 1
                            : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : 9;
        if (more > 3 || more > text.size() - i) return false;
        char32_t c = more ? lead & (0x3F >> more) : lead;
        for (const char next : text.substr(i, more)) {
            if ((next & 0xC0) != 0x80) return false;
            c = c << 6 | (next & 0x3F);
        }
        i += more;
        constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (c < kLeast[more] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
        if (c >= 0x10000) out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<char16_t>(c >= 0x10000 ? 0xDC00 + (c & 0x3FF) : c);
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    std::u16string decoded, back;
    Check(DecodeUtf8(NameToUtf8(fuzz::AsText(data, size), WesternToUtf8), decoded), "not UTF-8");

    // Units in the name form, the code page holding ASCII (but "<", which no
    // file name holds) and Latin-1.
    std::u16string units, expected;
    for (size_t i = 0; i + 1 < size; i += 2) units += char16_t(data[i] << 8 | data[i + 1]);
    const std::string name = NameForm(std::u16string_view(units), [](char16_t u, std::string& b) {
        b.assign(1, static_cast<char>(u));
        return (u < 0x80 && u != '<') || (u >= 0xA0 && u <= 0xFF);
    });
    const auto high = [](char16_t u) { return u >= 0xD800 && u < 0xDC00; };
    const auto low = [](char16_t u) { return u >= 0xDC00 && u < 0xE000; };
    for (size_t i = 0; i < units.size(); ++i) {
        if (high(units[i]) && i + 1 < units.size() && low(units[i + 1]))
            expected += units.substr(i++, 2);
        else
            expected += high(units[i]) || low(units[i]) ? u'\uFFFD' : units[i];
    }
    Check(DecodeUtf8(NameToUtf8(name, WesternToUtf8), back) && back == expected, "not read back");
    return 0;
}
