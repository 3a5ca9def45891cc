// A name from the log, which anyone may have written, in its real
// characters: always valid UTF-8; and units written in the name form read
// back as the same units, a lone surrogate as U+FFFD.
#include <string>

#include "core/NameForm.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

using zarvik::fuzz::Check;

// Strict UTF-8 to UTF-16: false on a malformed, overlong or surrogate sequence.
bool DecodeUtf8(std::string_view text, std::u16string& out) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length =
            lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3
                        : lead < 0xF5 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = c << 6 | (next & 0x3F);
        }
        constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
        if (c >= 0x10000) out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<char16_t>(c >= 0x10000 ? 0xDC00 + (c & 0x3FF) : c);
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    std::u16string decoded;
    Check(DecodeUtf8(NameToUtf8(fuzz::AsText(data, size), WesternToUtf8), decoded), "not UTF-8");

    // The name form as the program writes it: ASCII but "<" and Latin-1
    // as code page 1252's bytes, every other unit escaped.
    std::u16string units, expected;
    std::string name;
    for (size_t i = 0; i + 1 < size; i += 2)
        units += static_cast<char16_t>(data[i] << 8 | data[i + 1]);
    for (const char16_t u : units) {
        if ((u < 0x80 && u != '<') || (u >= 0xA0 && u <= 0xFF)) {
            name += static_cast<char>(u);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            name += {'<', kHex[u >> 12], kHex[u >> 8 & 15], kHex[u >> 4 & 15], kHex[u & 15], '>'};
        }
    }
    const auto high = [](char16_t u) { return u >= 0xD800 && u < 0xDC00; };
    const auto low = [](char16_t u) { return u >= 0xDC00 && u < 0xE000; };
    for (size_t i = 0; i < units.size(); ++i) {
        if (high(units[i]) && i + 1 < units.size() && low(units[i + 1])) {
            expected += units.substr(i++, 2);
        } else {
            expected += high(units[i]) || low(units[i]) ? u'\uFFFD' : units[i];
        }
    }
    decoded.clear();
    Check(DecodeUtf8(NameToUtf8(name, WesternToUtf8), decoded) && decoded == expected,
          "units not read back");
    return 0;
}
