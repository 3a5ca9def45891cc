#include "core/PeVersion.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace zarvik {

namespace {

// The probe's floor already reads this much of every file: the headers of
// nearly every image fit, section table included.
constexpr size_t kWindow = 4096;
constexpr uint16_t kDosMagic = 0x5A4D;         // "MZ"
constexpr uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr uint16_t kPe32 = 0x10b, kPe32Plus = 0x20b;
constexpr uint32_t kRtVersion = 16;
constexpr uint32_t kHighBit = 0x80000000;
constexpr uint32_t kFixedSignature = 0xFEEF04BD;
// wLength, wValueLength, wType, L"VS_VERSION_INFO\0", padding to 4, then the
// fixed part: signature, structure version, file version MS and LS, ...
constexpr size_t kFixedAt = 40, kVersionBlock = kFixedAt + 16;

uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Get32(const uint8_t* p) { return Get16(p) | static_cast<uint32_t>(Get16(p + 2)) << 16; }

// Reads inside a kept window come from memory: the headers and the start of
// the resource directory cost one read each.
class Reader {
public:
    explicit Reader(ByteSource& file) : file_(file), length_(file.Length()) {}

    void Keep(uint64_t offset, size_t size) {
        if (offset >= length_ || kept_ == std::size(windows_)) return;
        size = static_cast<size_t>(std::min<uint64_t>(size, length_ - offset));
        for (size_t i = 0; i < kept_; ++i)
            if (Holds(windows_[i], offset, size)) return;
        Window& window = windows_[kept_++];
        window.offset = offset;
        window.bytes.resize(size);
        window.bytes.resize(file_.ReadAt(offset, window.bytes.data(), window.bytes.size()));
    }

    // `size` (> 0) bytes at `offset`, valid until the next Read; nullptr when
    // any of them lies outside the file.
    const uint8_t* Read(uint64_t offset, size_t size) {
        if (size == 0 || offset > length_ || size > length_ - offset) return nullptr;
        for (size_t i = 0; i < kept_; ++i)
            if (Holds(windows_[i], offset, size)) return windows_[i].bytes.data() + (offset - windows_[i].offset);
        scratch_.resize(size);
        return file_.ReadAt(offset, scratch_.data(), size) == size ? scratch_.data() : nullptr;
    }

private:
    struct Window {
        uint64_t offset = 0;
        std::vector<uint8_t> bytes;
    };
    static bool Holds(const Window& window, uint64_t offset, size_t size) {
        return offset >= window.offset && offset - window.offset <= window.bytes.size() &&
               size <= window.bytes.size() - (offset - window.offset);
    }
    ByteSource& file_;
    uint64_t length_;
    Window windows_[2];
    size_t kept_ = 0;
    std::vector<uint8_t> scratch_;
};

struct Section {
    uint32_t address, extent, rawOffset, rawSize;
};

// The file offset of `size` bytes at `rva`, when one section's raw data
// holds them all. A section cut short by the file's end is damage: the
// image was truncated.
std::optional<uint64_t> FileOffset(const std::vector<Section>& sections, uint64_t length, uint32_t rva,
                                   uint32_t size) {
    for (const Section& s : sections) {
        if (rva < s.address || rva - s.address >= s.extent) continue;
        const uint32_t into = rva - s.address;
        if (into > s.rawSize || size > s.rawSize - into) return std::nullopt;
        if (uint64_t{s.rawOffset} + s.rawSize > length) return std::nullopt;
        return uint64_t{s.rawOffset} + into;
    }
    return std::nullopt;
}

}  // namespace

size_t MemoryBytes::ReadAt(uint64_t offset, void* buffer, size_t size) {
    if (offset >= size_) return 0;
    const size_t n = std::min<uint64_t>(size, size_ - offset);
    std::memcpy(buffer, data_ + offset, n);
    return n;
}

std::optional<FileVersion> ReadFileVersion(ByteSource& file) {
    Reader in(file);
    in.Keep(0, kWindow);
    const uint8_t* dos = in.Read(0, 64);
    if (!dos || Get16(dos) != kDosMagic) return std::nullopt;
    const uint64_t pe = Get32(dos + 0x3C);
    const uint8_t* coff = in.Read(pe, 24);
    if (!coff || Get32(coff) != kPeSignature) return std::nullopt;
    const uint16_t sectionCount = Get16(coff + 6), optionalSize = Get16(coff + 20);

    const uint8_t* optional = in.Read(pe + 24, optionalSize);
    if (!optional || optionalSize < 2) return std::nullopt;
    const uint16_t magic = Get16(optional);
    if (magic != kPe32 && magic != kPe32Plus) return std::nullopt;
    const size_t directories = magic == kPe32 ? 96 : 112;
    constexpr size_t kResourceEntry = 2 * 8;
    if (optionalSize < directories + kResourceEntry + 8 || Get32(optional + directories - 4) <= 2)
        return std::nullopt;
    const uint32_t root = Get32(optional + directories + kResourceEntry);
    if (root == 0 || Get32(optional + directories + kResourceEntry + 4) == 0) return std::nullopt;

    const uint8_t* table = in.Read(pe + 24 + optionalSize, size_t{sectionCount} * 40);
    if (!table) return std::nullopt;
    std::vector<Section> sections(sectionCount);
    for (Section& s : sections) {
        const uint32_t virtualSize = Get32(table + 8), rawSize = Get32(table + 16);
        s = {Get32(table + 12), virtualSize ? virtualSize : rawSize, Get32(table + 20), rawSize};
        table += 40;
    }

    // Structures by their RVA, each wholly inside one section's raw data.
    auto at = [&](uint64_t rva, uint32_t size) -> const uint8_t* {
        if (rva > UINT32_MAX) return nullptr;
        const auto offset = FileOffset(sections, file.Length(), static_cast<uint32_t>(rva), size);
        return offset ? in.Read(*offset, size) : nullptr;
    };
    if (const auto start = FileOffset(sections, file.Length(), root, 16)) in.Keep(*start, kWindow);

    // Exactly three levels, type, name, language, each a fixed step down:
    // an entry that points back up cannot make the walk go round.
    uint32_t directory = 0;
    for (int level = 0; level < 3; ++level) {
        // Below the type level only the first entry counts: header and
        // entry in one read.
        const uint8_t* header = at(uint64_t{root} + directory, level == 0 ? 16 : 24);
        if (!header) return std::nullopt;
        const uint32_t count = uint32_t{Get16(header + 12)} + Get16(header + 14);
        const uint8_t* chosen = nullptr;
        if (level > 0 && count > 0) chosen = header + 16;
        const uint8_t* types = level == 0 && count > 0 ? at(uint64_t{root} + directory + 16, count * 8) : nullptr;
        for (uint32_t i = 0; types && i < count && !chosen; ++i)
            if (Get32(types + i * 8) == kRtVersion) chosen = types + i * 8;
        if (!chosen) return std::nullopt;
        const uint32_t target = Get32(chosen + 4);
        if (((target & kHighBit) != 0) != (level < 2)) return std::nullopt;
        directory = target & ~kHighBit;
    }

    const uint8_t* data = at(uint64_t{root} + directory, 16);
    if (!data || Get32(data + 4) < kVersionBlock) return std::nullopt;
    const uint8_t* block = at(Get32(data), kVersionBlock);
    if (!block || Get16(block) < kVersionBlock || Get16(block + 2) < 16) return std::nullopt;
    static constexpr char kKey[] = "VS_VERSION_INFO";
    for (size_t i = 0; i < sizeof kKey; ++i)
        if (Get16(block + 6 + 2 * i) != static_cast<uint8_t>(kKey[i])) return std::nullopt;
    const uint8_t* fixed = block + kFixedAt;
    if (Get32(fixed) != kFixedSignature) return std::nullopt;
    const uint32_t high = Get32(fixed + 8), low = Get32(fixed + 12);
    return FileVersion{{static_cast<uint16_t>(high >> 16), static_cast<uint16_t>(high),
                        static_cast<uint16_t>(low >> 16), static_cast<uint16_t>(low)}};
}

std::string FormatVersion(const FileVersion& version) {
    std::string text;
    for (uint16_t field : version.fields) {
        if (!text.empty()) text += '.';
        text += std::to_string(field);
    }
    return text;
}

std::optional<FileVersion> ParseVersion(std::string_view text) {
    FileVersion version;
    size_t at = 0;
    for (size_t i = 0; i < 4; ++i) {
        if (i > 0 && (at >= text.size() || text[at++] != '.')) return std::nullopt;
        uint32_t value = 0;
        size_t digits = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 6; ++at, ++digits)
            value = value * 10 + static_cast<uint32_t>(text[at] - '0');
        if (digits == 0 || value > UINT16_MAX) return std::nullopt;
        version.fields[i] = static_cast<uint16_t>(value);
    }
    if (at != text.size()) return std::nullopt;
    return version;
}

}  // namespace zarvik
