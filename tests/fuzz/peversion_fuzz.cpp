// The file version reader on any bytes, through a source that stops the run
// on a read outside the input. A version it finds must be the one of a
// VS_FIXEDFILEINFO, signature included, somewhere in the input.
#include <cstring>

#include "core/PeVersion.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

class CheckedBytes final : public zarvik::ByteSource {
public:
    CheckedBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint64_t Length() const override { return size_; }
    size_t ReadAt(uint64_t offset, void* buffer, size_t size) override {
        zarvik::fuzz::Check(offset <= size_ && size <= size_ - offset, "read outside the file");
        std::memcpy(buffer, data_ + offset, size);
        return size;
    }

private:
    const uint8_t* data_;
    size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    CheckedBytes bytes(data, size);
    const std::optional<FileVersion> version = ReadFileVersion(bytes);
    if (!version) return 0;
    const auto& f = version->fields;
    const uint8_t fixed[] = {0xBD, 0x04, 0xEF, 0xFE};
    const uint8_t numbers[] = {uint8_t(f[1]), uint8_t(f[1] >> 8), uint8_t(f[0]), uint8_t(f[0] >> 8),
                               uint8_t(f[3]), uint8_t(f[3] >> 8), uint8_t(f[2]), uint8_t(f[2] >> 8)};
    bool found = false;
    for (size_t at = 0; !found && size >= 16 && at <= size - 16; ++at)
        found = std::memcmp(data + at, fixed, 4) == 0 && std::memcmp(data + at + 8, numbers, 8) == 0;
    fuzz::Check(found, "a version that is not in the input");
    fuzz::Check(ParseVersion(FormatVersion(*version)) == version, "the text does not read back");
    return 0;
}
