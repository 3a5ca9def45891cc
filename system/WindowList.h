#pragma once
// The entries of the window list on the View Process List page, and the icon
// file format its Save icon writes: plain text and bytes, no window in them.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvik {

// How many characters the window text and the class name are read with
// (buffer counts, so one less at most).
inline constexpr int kWindowTextLimit = 110;
inline constexpr int kClassNameLimit = 95;

// The window text with one space appended, cut to 40 characters: a short
// caption keeps its space, a long one loses it, an empty one is one space.
std::string CaptionField(std::string_view text);

// A number in hexadecimal without prefix or leading zeros.
std::string LowerHex(std::uint64_t value);
std::string UpperHex(std::uint64_t value);

// "pid TAB caption TAB class TAB handle TAB": a top-level window. The ID
// is written signed, as the system's 32-bit value.
std::string TopLevelEntry(std::uint32_t processId, std::string_view text,
                          std::string_view className, std::uint64_t handle);
// "-->pid TAB caption TAB class TAB handle": a descendant, no trailing TAB.
std::string ChildEntry(std::uint32_t processId, std::string_view text,
                       std::string_view className, std::uint64_t handle);

bool IsChildEntry(std::string_view entry);

// The process ID before the first TAB of a top-level entry; nullopt when
// that text is not a decimal number that fits.
std::optional<std::uint32_t> EntryProcessId(std::string_view entry);

// The first entry at `start` or after whose text, folded by `fold`,
// contains the folded `text`; no wrap to the top. An empty text never
// matches.
using TextFold = std::function<std::string(std::string_view)>;
std::optional<std::size_t> FindEntry(const std::vector<std::string>& entries, std::size_t start,
                                     std::string_view text, const TextFold& fold);

// One image of an icon as the platform hands it out: the colour bits as a
// bottom-up DIB of `bitsPerPixel`, rows padded to 4 bytes, with its colour
// table (empty above 8 bits per pixel), and the 1-bit AND mask likewise.
struct IconImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    std::vector<std::uint32_t> palette;  // RGBQUAD values
    std::vector<std::uint8_t> colorBits;
    std::vector<std::uint8_t> maskBits;
};

// A 32-bit image whose alpha channel is all zero carries no alpha: it
// becomes 24-bit, which every system reads with its mask as intended.
void DropEmptyAlpha(IconImage& image);

// Bytes of a row of `width` pixels at `bitsPerPixel`, padded to 4 bytes.
std::size_t DibRowBytes(int width, int bitsPerPixel);

// The .ico file holding that one image. Throws std::invalid_argument when
// the sizes do not fit the bits given.
std::string IconFileBytes(const IconImage& image);

}  // namespace zarvik
