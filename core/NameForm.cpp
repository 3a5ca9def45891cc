#include "core/NameForm.h"

namespace zarvik {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
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

}  // namespace zarvik
