#pragma once
// The file version a PE image carries in its version resource, read from the
// bytes of the file (never by loading it), and its dotted text.
// Plain C++ so it is fuzzed and tested without windows.
#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarvik {

// An open file as the reader sees it. ReadAt returns the number of bytes
// read; fewer than asked counts as a damaged image.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t Length() const = 0;
    virtual size_t ReadAt(uint64_t offset, void* buffer, size_t size) = 0;
};

// dwFileVersionMS and dwFileVersionLS as four fields, most significant first.
// The default ordering compares field by field as numbers: 6.10 > 6.9.
struct FileVersion {
    std::array<uint16_t, 4> fields{};
    auto operator<=>(const FileVersion&) const = default;
};

// The fixed file version of a PE32 or PE32+ image: the first name and first
// language under RT_VERSION. Nothing for a file that is no PE image, has no
// version resource, or is damaged anywhere on the way there. Reads the
// headers in one read of the first 4 KB, the resource directory in one
// more, and the version block in a third, where the image allows.
std::optional<FileVersion> ReadFileVersion(ByteSource& file);

// "a.b.c.d" in decimal.
std::string FormatVersion(const FileVersion& version);
// FormatVersion's text back: four decimal fields of at most 65535, nothing
// else (no blanks, no sign). Nothing for any other text.
std::optional<FileVersion> ParseVersion(std::string_view text);

// A ByteSource over bytes already in memory.
class MemoryBytes final : public ByteSource {
public:
    MemoryBytes(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}
    uint64_t Length() const override { return size_; }
    size_t ReadAt(uint64_t offset, void* buffer, size_t size) override;

private:
    const uint8_t* data_;
    size_t size_;
};

}  // namespace zarvik
