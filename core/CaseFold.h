#pragma once
// How the log matches section and key names without regard to case: one
// upper-case byte for each of the 256 single-byte characters, so that a name
// folds the way the platform's own INI functions fold it.
#include <array>
#include <string>
#include <string_view>

namespace zarvik {

class CaseFold {
public:
    using Table = std::array<unsigned char, 256>;
    explicit CaseFold(const Table& upper) : upper_(upper) {}

    // ASCII and the letters of Windows code page 1252, the ANSI code page of
    // Western systems: the fold where no platform tells another.
    static CaseFold Western() {
        Table upper{};
        for (size_t i = 0; i < upper.size(); ++i) upper[i] = static_cast<unsigned char>(i);
        for (size_t c = 'a'; c <= 'z'; ++c) upper[c] = static_cast<unsigned char>(c - 0x20);
        for (size_t c = 0xE0; c <= 0xFE; ++c)
            if (c != 0xF7) upper[c] = static_cast<unsigned char>(c - 0x20);  // not the division sign
        upper[0x9A] = 0x8A;  // s caron
        upper[0x9C] = 0x8C;  // oe
        upper[0x9E] = 0x8E;  // z caron
        upper[0xFF] = 0x9F;  // y diaeresis
        return CaseFold(upper);
    }

    std::string operator()(std::string_view name) const {
        std::string folded(name);
        for (char& c : folded) c = static_cast<char>(upper_[static_cast<unsigned char>(c)]);
        return folded;
    }

private:
    Table upper_;
};

}  // namespace zarvik
