#include "platform/FileIO.h"

#include <cstdint>
#include <optional>

#include "core/PeVersion.h"
#include "platform/FileNames.h"
#include "platform/SystemFunction.h"
#include "platform/Win32Error.h"

namespace platform {

namespace {

std::string Quoted(std::string_view what, std::string_view path) {
    return std::string(what) + " \"" + std::string(path) + "\"";
}

// The WoW64 guard where the view asks for it.
class ViewScope {
public:
    explicit ViewScope(View view) {
        if (view == View::Native) native_.emplace();
    }

private:
    std::optional<NativeFileSystem> native_;
};

// The reader's view of a file the probe holds open. A read names no
// OVERLAPPED offset: Wine answers such a read on a handle without a
// completion port with one more server round trip, as dear as the open's
// own. The pointer moves only where the reader jumps.
class HandleBytes final : public zarvik::ByteSource {
public:
    HandleBytes(HANDLE file, int64_t length) : file_(file), length_(static_cast<uint64_t>(length)) {}
    uint64_t Length() const override { return length_; }
    size_t ReadAt(uint64_t offset, void* buffer, size_t size) override {
        if (offset != at_) {
            if (!SeekTo(file_, offset)) return 0;
            at_ = offset;
        }
        DWORD got = 0;
        if (!::ReadFile(file_, buffer, static_cast<DWORD>(size), &got, nullptr)) {
            at_ = UINT64_MAX;  // unknown: the next read seeks
            return 0;
        }
        at_ += got;
        return got;
    }

private:
    HANDLE file_;
    uint64_t length_;
    uint64_t at_ = 0;  // a file just opened is read from its start
};

// The smallest file that can hold a DOS header and the PE header behind it.
constexpr int64_t kSmallestImage = 64 + 24;

}  // namespace

FileHandle OpenFile(std::string_view path, DWORD access, DWORD share, DWORD disposition, View view,
                    DWORD flags) {
    const std::wstring wide = ApiPath(path);
    const ViewScope scope(view);
    return FileHandle(::CreateFileW(wide.c_str(), access, share, nullptr, disposition, flags, nullptr));
}

FileHandle OpenForReading(std::string_view path, DWORD share, DWORD flags) {
    return OpenFile(path, GENERIC_READ, share, OPEN_EXISTING, View::Native, flags);
}

DWORD FileAttributes(std::string_view path, View view) {
    const std::wstring wide = ApiPath(path);
    const ViewScope scope(view);
    return ::GetFileAttributesW(wide.c_str());
}

bool SetFileAttributes(std::string_view path, DWORD attributes) {
    const std::wstring wide = ApiPath(path);
    return ::SetFileAttributesW(wide.c_str(), attributes) != FALSE;
}

bool FileData(std::string_view path, WIN32_FILE_ATTRIBUTE_DATA& data, View view) {
    const std::wstring wide = ApiPath(path);
    const ViewScope scope(view);
    return ::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data) != FALSE;
}

zarvik::FileMeasure ProbeFile(std::string_view path) {
    const FileHandle file = OpenForReading(path);
    // Two plain queries: GetFileInformationByHandle also asks for the
    // volume, which costs Wine several times the open itself.
    LARGE_INTEGER size{};
    FILETIME written{};
    if (!file || !::GetFileSizeEx(file.Get(), &size)) return {};
    zarvik::FileMeasure measure{size.QuadPart, 0, {}};
    if (::GetFileTime(file.Get(), nullptr, nullptr, &written)) measure.writeTime = Ticks(written);
    // The reader's first read holds the headers; one that finds no "MZ"
    // reads nothing more.
    if (size.QuadPart >= kSmallestImage) {
        HandleBytes bytes(file.Get(), size.QuadPart);
        if (const auto version = zarvik::ReadFileVersion(bytes)) measure.version = zarvik::FormatVersion(*version);
    }
    return measure;
}

bool FilePresent(std::string_view path) { return static_cast<bool>(OpenForReading(path)); }

bool OnFatVolume(std::string_view path) {
    const std::wstring wide = ApiPath(path);
    wchar_t root[MAX_PATH + 1] = {};
    wchar_t system[MAX_PATH + 1] = {};
    NativeFileSystem native;
    if (!::GetVolumePathNameW(wide.c_str(), root, MAX_PATH) ||
        !::GetVolumeInformationW(root, nullptr, 0, nullptr, nullptr, nullptr, system, MAX_PATH))
        return false;
    const std::wstring_view name = system;
    return name.substr(0, 3) == L"FAT" || name == L"exFAT";
}

std::string SystemWow64Directory() {
    static auto* const query =
        SystemFunction<UINT WINAPI(LPSTR, UINT)>("kernel32.dll", "GetSystemWow64DirectoryA");
    char buf[MAX_PATH + 1] = {};
    const UINT n = query ? query(buf, sizeof buf) : 0;
    return n && n < sizeof buf ? std::string(buf, n) : std::string();
}

bool SeekTo(HANDLE file, uint64_t offset) {
    LONG high = static_cast<LONG>(offset >> 32);
    const DWORD low = ::SetFilePointer(file, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
    return !(low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR);
}

bool WriteFully(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x10000000u ? 0x10000000u : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        if (written == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool ReadToEnd(HANDLE file, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) return false;
        if (got == 0) return true;
        bytes.append(buffer, got);
    }
}

std::string ReadWholeFile(std::string_view path) {
    const FileHandle file = OpenForReading(path);
    if (!file) throw Win32Error(Quoted("Cannot open file", path));
    std::string bytes;
    if (!ReadToEnd(file.Get(), bytes)) throw Win32Error(Quoted("Cannot read file", path));
    return bytes;
}

namespace {

// Writes the bytes over the file itself, for a folder that takes no new file.
void WriteInPlace(std::string_view path, std::string_view bytes) {
    const FileHandle file = OpenFile(path, GENERIC_WRITE, 0, OPEN_ALWAYS, View::Process);
    if (!file) throw Win32Error(Quoted("Cannot create file", path));
    if (!WriteFully(file.Get(), bytes) || !::SetEndOfFile(file.Get()))
        throw Win32Error(Quoted("Cannot write file", path));
}

}  // namespace

WriteMethod WriteWholeFile(std::string_view path, std::string_view bytes) {
    // A folder is never replaced: Wine's replace would put the file in the
    // place of an empty one, where Windows refuses.
    const DWORD before = FileAttributes(path, View::Process);
    if (before != INVALID_FILE_ATTRIBUTES && (before & FILE_ATTRIBUTE_DIRECTORY))
        throw Win32Error(Quoted("Cannot write file", path), ERROR_ACCESS_DENIED);
    const std::string temp = std::string(path) + ".~zk";
    const std::wstring wideTemp = ApiPath(temp);
    {
        FileHandle file = OpenFile(temp, GENERIC_WRITE, 0, CREATE_ALWAYS, View::Process);
        if (!file) {
            WriteInPlace(path, bytes);
            return WriteMethod::InPlace;
        }
        if (!WriteFully(file.Get(), bytes)) {
            const DWORD code = ::GetLastError();
            file.Reset();
            ::DeleteFileW(wideTemp.c_str());
            throw Win32Error(Quoted("Cannot write file", path), code);
        }
    }
    // Replacing an existing file keeps its attributes and its security; a
    // plain move would give it those of the new file.
    const std::wstring target = ApiPath(path);
    const bool existed = before != INVALID_FILE_ATTRIBUTES;
    const bool replaced =
        existed ? ::ReplaceFileW(target.c_str(), wideTemp.c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE
                : ::MoveFileExW(wideTemp.c_str(), target.c_str(), MOVEFILE_COPY_ALLOWED) != FALSE;
    if (!replaced) {
        const DWORD code = ::GetLastError();
        ::DeleteFileW(wideTemp.c_str());
        throw Win32Error(Quoted("Cannot write file", path), code);
    }
    // Wine's replace keeps the security but not the attributes.
    if (existed && FileAttributes(path, View::Process) != before) SetFileAttributes(path, before);
    return WriteMethod::Replaced;
}

void PrepareWritableFile(std::string_view path) {
    OpenFile(path, GENERIC_READ, kShareReadWrite, OPEN_ALWAYS, View::Process).Reset();
    const DWORD attributes = FileAttributes(path, View::Process);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributes(path, attributes & ~FILE_ATTRIBUTE_READONLY);
}

}  // namespace platform
