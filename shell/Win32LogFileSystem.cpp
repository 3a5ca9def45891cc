#include <windows.h>

#include "core/LogFileSystem.h"
#include "platform/FileIO.h"
#include "ui/Handles.h"
#include "ui/UpperCase.h"

namespace zarvik {
namespace {

using platform::Ticks;

// Other programs may read and write the log while we have it open; FILE_SHARE_DELETE
// is left out because Windows 9x rejects it. The log is where the user's
// file dialog or the Windows directory named it: the process's view.
HANDLE OpenShared(const std::string& path, DWORD access, DWORD disposition) {
    return platform::OpenFile(path, access, platform::kShareReadWrite, disposition, platform::View::Process)
        .Release();
}

// A log marked read-only is never written, as Windows refuses it to every
// user; Wine run by root would otherwise write it all the same.
bool MarkedReadOnly(const std::string& path) {
    const DWORD attributes = platform::FileAttributes(path, platform::View::Process);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

class Win32LogFileSystem final : public LogFileSystem {
public:
    std::optional<FileStamp> Stamp(const std::string& path) override {
        // While a command holds the log, its handle answers without a path
        // lookup (the costly part of every call by name).
        if (Holding(path)) {
            // Size and times only: GetFileInformationByHandle also asks for
            // the name, which costs a path lookup again.
            FILETIME created{}, written{};
            DWORD high = 0;
            const DWORD low = GetFileSize(held_.Get(), &high);
            if (!(low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) &&
                GetFileTime(held_.Get(), &created, nullptr, &written)) {
                const uint64_t size = (static_cast<uint64_t>(high) << 32) | low;
                return FileStamp{size, Ticks(written), Ticks(created)};
            }
        }
        // Otherwise asked by name, not through an open handle, so it works
        // even while another program holds the file without sharing it.
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!platform::FileData(path, data, platform::View::Process)) return std::nullopt;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
        const uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        return FileStamp{size, Ticks(data.ftLastWriteTime), Ticks(data.ftCreationTime)};
    }

    std::optional<std::string> ReadAll(const std::string& path) override {
        ui::FileHandle file(OpenShared(path, GENERIC_READ, OPEN_EXISTING));
        if (!file) return std::nullopt;
        std::string text;
        if (!platform::ReadToEnd(file.Get(), text)) return std::nullopt;
        return text;
    }

    bool Write(const std::string& path, uint64_t offset, std::string_view bytes, EndOfFile end) override {
        if (!heldPath_.empty() && path == heldPath_) {
            if (!heldForWriting_) {
                if (MarkedReadOnly(path)) return false;
                held_.Reset(OpenShared(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS));
                heldForWriting_ = static_cast<bool>(held_);
                position_ = UINT64_MAX;
            }
            if (!held_) return false;
            // Appends follow each other: no seek needed between them.
            if (offset != position_ && !platform::SeekTo(held_.Get(), offset)) return false;
            position_ = UINT64_MAX;
            if (!platform::WriteFully(held_.Get(), bytes)) return false;
            if (end == EndOfFile::SetAfterWrite && !SetEndOfFile(held_.Get())) return false;
            position_ = offset + bytes.size();
            return true;
        }
        if (MarkedReadOnly(path)) return false;
        ui::FileHandle file(OpenShared(path, GENERIC_WRITE, OPEN_ALWAYS));
        if (!file) return false;
        if (!platform::SeekTo(file.Get(), offset) || !platform::WriteFully(file.Get(), bytes)) return false;
        if (end == EndOfFile::SetAfterWrite && !SetEndOfFile(file.Get())) return false;
        return CloseHandle(file.Release()) != FALSE;
    }

    // An existing file is held for reading at once; writing access comes
    // with the first write, so holding never creates the file.
    void Hold(const std::string& path) override {
        held_.Reset(OpenShared(path, GENERIC_READ, OPEN_EXISTING));
        heldForWriting_ = false;
        heldPath_ = path;
        position_ = UINT64_MAX;
    }

    void Release() override {
        held_.Reset();
        heldForWriting_ = false;
        heldPath_.clear();
    }

    // The ANSI code page's upper case, as the system's INI functions match.
    CaseFold NameFold() const override {
        CaseFold::Table upper{};
        for (size_t i = 0; i < upper.size(); ++i) {
            const char c = static_cast<char>(i);
            upper[i] = static_cast<unsigned char>(ui::AnsiUpperCase(std::string_view(&c, 1))[0]);
        }
        return CaseFold(upper);
    }

private:
    bool Holding(const std::string& path) const { return held_ && path == heldPath_; }

    std::string heldPath_;
    ui::FileHandle held_;
    bool heldForWriting_ = false;
    uint64_t position_ = UINT64_MAX;  // where the held handle's file pointer stands
};

}  // namespace

std::unique_ptr<LogFileSystem> MakePlatformLogFileSystem() { return std::make_unique<Win32LogFileSystem>(); }

}  // namespace zarvik
