#include "shell/FileProbe.h"

#include <windows.h>

#include <stdexcept>

#include "shell/Prompts.h"
#include "core/TextHelpers.h"
#include "platform/FileNames.h"
#include "ui/Handles.h"

namespace zarvik {

namespace {

ui::FileHandle OpenForReading(const std::string& path) {
    return ui::OpenForReading(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
}

[[noreturn]] void ThrowFileError(const char* what, const std::string& path, DWORD code) {
    throw std::runtime_error(std::string(what) + " \"" + path + "\". " + SystemErrorText(code));
}

}  // namespace

ui::FileFacts ProbeFile(const std::string& path) { return ui::MeasureFile(path); }

bool FilePresent(const std::string& path) { return static_cast<bool>(OpenForReading(path)); }

std::string ReadWholeFile(const std::string& path) {
    ui::FileHandle file = OpenForReading(path);
    if (!file) ThrowFileError("Cannot open file", path, ::GetLastError());
    std::string bytes;
    char buf[65536];
    DWORD got = 0;
    for (;;) {
        if (!::ReadFile(file.Get(), buf, sizeof buf, &got, nullptr))
            ThrowFileError("Cannot read file", path, ::GetLastError());
        if (got == 0) break;
        bytes.append(buf, got);
    }
    return bytes;
}

std::vector<std::string> ReadTextLines(const std::string& path) {
    return SplitLines(ReadWholeFile(path));
}

namespace {

// Writes the bytes over the file itself, for a folder that takes no new file.
void WriteInPlace(const std::string& path, const std::string& bytes) {
    ui::FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowFileError("Cannot create file", path, ::GetLastError());
    DWORD written = 0;
    if (!::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !::SetEndOfFile(file.Get()))
        ThrowFileError("Cannot write file", path, ::GetLastError());
}

}  // namespace

std::string InPlaceWriteText(const std::string& path) {
    return "No new file could be made beside \"" + path +
           "\", so it was written over in place instead of replaced whole.";
}

WriteMethod WriteWholeFile(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".~zk";
    {
        ui::FileHandle file(::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            WriteInPlace(path, bytes);
            return WriteMethod::InPlace;
        }
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                         nullptr) ||
            written != bytes.size()) {
            DWORD code = ::GetLastError();
            file.Reset();
            ::DeleteFileA(temp.c_str());
            ThrowFileError("Cannot write file", path, code);
        }
    }
    // Replacing an existing file keeps its attributes and its security; a
    // plain move would give it those of the new file.
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
    const bool replaced =
        existed ? ::ReplaceFileA(path.c_str(), temp.c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE
                : ::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_COPY_ALLOWED) != FALSE;
    if (!replaced) {
        DWORD code = ::GetLastError();
        ::DeleteFileA(temp.c_str());
        ThrowFileError("Cannot write file", path, code);
    }
    // Wine's replace keeps the security but not the attributes.
    if (existed && ::GetFileAttributesA(path.c_str()) != attributes)
        ::SetFileAttributesA(path.c_str(), attributes);
    return WriteMethod::Replaced;
}

WriteMethod WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return WriteWholeFile(path, bytes);
}

}  // namespace zarvik
