#include "filelist/LogFileSystem.h"

#include <windows.h>

namespace zarvik {
namespace {

int64_t Ticks(const FILETIME& t) {
    return static_cast<int64_t>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

// Closes the handle on every way out.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (IsOpen()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != FALSE;
    }

private:
    HANDLE handle_;
};

// Other programs may read and write the log while we have it open; FILE_SHARE_DELETE
// is left out because Windows 9x rejects it.
HANDLE OpenShared(const std::string& path, DWORD access, DWORD disposition) {
    return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool SeekTo(HANDLE file, uint64_t offset) {
    LONG high = static_cast<LONG>(offset >> 32);
    const DWORD low = SetFilePointer(file, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
    return !(low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR);
}

bool WriteFully(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x10000000u ? 0x10000000u : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

class Win32LogFileSystem final : public LogFileSystem {
public:
    // Asked by name, not through an open handle, so it works even while
    // another program holds the file without sharing it.
    std::optional<FileStamp> Stamp(const std::string& path) override {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
        const uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        return FileStamp{size, Ticks(data.ftLastWriteTime), Ticks(data.ftCreationTime)};
    }

    std::optional<std::string> ReadAll(const std::string& path) override {
        FileHandle file(OpenShared(path, GENERIC_READ, OPEN_EXISTING));
        if (!file.IsOpen()) return std::nullopt;
        std::string text;
        char buffer[65536];
        // Read to the end rather than trusting a size taken earlier: the file
        // may grow meanwhile.
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
            if (got == 0) return text;
            text.append(buffer, got);
        }
    }

    bool Write(const std::string& path, uint64_t offset, std::string_view bytes, EndOfFile end) override {
        if (held_ && path == heldPath_) {
            if (!held_->IsOpen()) held_ = std::make_unique<FileHandle>(OpenShared(path, GENERIC_WRITE, OPEN_ALWAYS));
            if (!held_->IsOpen()) {
                held_ = std::make_unique<FileHandle>(INVALID_HANDLE_VALUE);
                return false;
            }
            return WriteAt(held_->Get(), offset, bytes, end);
        }
        FileHandle file(OpenShared(path, GENERIC_WRITE, OPEN_ALWAYS));
        if (!file.IsOpen()) return false;
        if (!WriteAt(file.Get(), offset, bytes, end)) return false;
        return file.Close();
    }

    void Hold(const std::string& path) override {
        heldPath_ = path;
        held_ = std::make_unique<FileHandle>(INVALID_HANDLE_VALUE);  // opened by the first write
    }

    void Release() override {
        held_.reset();
        heldPath_.clear();
    }

private:
    static bool WriteAt(HANDLE file, uint64_t offset, std::string_view bytes, EndOfFile end) {
        if (!SeekTo(file, offset) || !WriteFully(file, bytes)) return false;
        return end != EndOfFile::SetAfterWrite || SetEndOfFile(file);
    }

    std::string heldPath_;
    std::unique_ptr<FileHandle> held_;
};

}  // namespace

std::unique_ptr<LogFileSystem> MakePlatformLogFileSystem() { return std::make_unique<Win32LogFileSystem>(); }

}  // namespace zarvik
