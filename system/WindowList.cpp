#include "system/WindowList.h"

#include <charconv>
#include <stdexcept>

namespace zarvik {

namespace {

std::string Hex(std::uint64_t value, const char* digits) {
    char buf[17];
    char* p = buf + sizeof buf;
    do {
        *--p = digits[value & 0xF];
        value >>= 4;
    } while (value);
    return std::string(p, buf + sizeof buf);
}

std::string Entry(std::string_view prefix, std::uint32_t processId, std::string_view text,
                  std::string_view className, std::uint64_t handle) {
    std::string e(prefix);
    e += std::to_string(static_cast<std::int32_t>(processId));
    e += '\t';
    e += CaptionField(text);
    e += '\t';
    e += className;
    e += '\t';
    e += LowerHex(handle);
    return e;
}

void PutWord(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void PutLong(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string CaptionField(std::string_view text) {
    std::string field(text.substr(0, 40));
    if (field.size() < 40) field += ' ';
    return field;
}

std::string LowerHex(std::uint64_t value) { return Hex(value, "0123456789abcdef"); }
std::string UpperHex(std::uint64_t value) { return Hex(value, "0123456789ABCDEF"); }

std::string TopLevelEntry(std::uint32_t processId, std::string_view text,
                          std::string_view className, std::uint64_t handle) {
    return Entry({}, processId, text, className, handle) + '\t';
}

std::string ChildEntry(std::uint32_t processId, std::string_view text,
                       std::string_view className, std::uint64_t handle) {
    return Entry("-->", processId, text, className, handle);
}

bool IsChildEntry(std::string_view entry) { return !entry.empty() && entry[0] == '-'; }

std::optional<std::uint32_t> EntryProcessId(std::string_view entry) {
    const std::string_view field = entry.substr(0, entry.find('\t'));
    std::int64_t value = 0;
    const char* first = field.data();
    const char* last = first + field.size();
    auto [end, error] = std::from_chars(first, last, value);
    if (field.empty() || error != std::errc() || end != last) return std::nullopt;
    // The entry shows the 32-bit ID signed; both readings name one process.
    if (value < INT32_MIN || value > UINT32_MAX) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::optional<std::size_t> FindEntry(const std::vector<std::string>& entries, std::size_t start,
                                     std::string_view text, const TextFold& fold) {
    if (text.empty()) return std::nullopt;
    const std::string wanted = fold(text);
    for (std::size_t i = start; i < entries.size(); ++i) {
        if (fold(entries[i]).find(wanted) != std::string::npos) return i;
    }
    return std::nullopt;
}

std::size_t DibRowBytes(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

void DropEmptyAlpha(IconImage& image) {
    if (image.bitsPerPixel != 32) return;
    for (size_t i = 3; i < image.colorBits.size(); i += 4)
        if (image.colorBits[i]) return;
    const size_t width = static_cast<size_t>(image.width);
    const size_t inRow = DibRowBytes(image.width, 32), outRow = DibRowBytes(image.width, 24);
    std::vector<std::uint8_t> bits(outRow * static_cast<size_t>(image.height), 0);
    for (size_t y = 0; y < static_cast<size_t>(image.height); ++y)
        for (size_t x = 0; x < width; ++x)
            for (size_t c = 0; c < 3; ++c)
                bits[y * outRow + x * 3 + c] = image.colorBits[y * inRow + x * 4 + c];
    image.colorBits = std::move(bits);
    image.bitsPerPixel = 24;
}

std::string IconFileBytes(const IconImage& image) {
    const int bpp = image.bitsPerPixel;
    if (image.width <= 0 || image.height <= 0 || image.width > 256 || image.height > 256)
        throw std::invalid_argument("icon size out of range");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        throw std::invalid_argument("icon colour depth not supported");
    const std::size_t rows = static_cast<std::size_t>(image.height);
    const std::size_t colorSize = DibRowBytes(image.width, bpp) * rows;
    const std::size_t maskSize = DibRowBytes(image.width, 1) * rows;
    if (image.colorBits.size() != colorSize || image.maskBits.size() != maskSize)
        throw std::invalid_argument("icon bits do not match its size");
    const std::size_t colors = bpp <= 8 ? (std::size_t{1} << bpp) : 0;
    if (image.palette.size() != colors) throw std::invalid_argument("icon colour table size");

    constexpr std::uint32_t kHeader = 40;
    const std::size_t dataSize = kHeader + colors * 4 + colorSize + maskSize;
    std::string out;
    out.reserve(6 + 16 + dataSize);
    // ICONDIR: reserved, type 1 (icon), one image.
    PutWord(out, 0);
    PutWord(out, 1);
    PutWord(out, 1);
    // ICONDIRENTRY; 256 is written as 0.
    out += static_cast<char>(image.width & 0xFF);
    out += static_cast<char>(image.height & 0xFF);
    out += static_cast<char>(colors >= 256 ? 0 : colors);
    out += '\0';
    PutWord(out, 1);  // planes
    PutWord(out, static_cast<std::uint16_t>(bpp));
    PutLong(out, static_cast<std::uint32_t>(dataSize));
    PutLong(out, 6 + 16);
    // BITMAPINFOHEADER with the height of colour and mask together.
    PutLong(out, kHeader);
    PutLong(out, static_cast<std::uint32_t>(image.width));
    PutLong(out, static_cast<std::uint32_t>(image.height * 2));
    PutWord(out, 1);
    PutWord(out, static_cast<std::uint16_t>(bpp));
    PutLong(out, 0);  // BI_RGB
    PutLong(out, static_cast<std::uint32_t>(colorSize + maskSize));
    PutLong(out, 0);
    PutLong(out, 0);
    PutLong(out, 0);
    PutLong(out, 0);
    for (std::uint32_t c : image.palette) PutLong(out, c);
    out.append(reinterpret_cast<const char*>(image.colorBits.data()), colorSize);
    out.append(reinterpret_cast<const char*>(image.maskBits.data()), maskSize);
    return out;
}

}  // namespace zarvik
