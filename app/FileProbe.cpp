#include "app/FileProbe.h"

#include <windows.h>

#include <stdexcept>

#include "app/Prompts.h"
#include "app/TextHelpers.h"
#include "ui/FileNames.h"
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

int64_t ProbeFileSize(const std::string& path) { return ui::MeasureFile(path).size; }

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

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".~zk";
    {
        ui::FileHandle file(::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) ThrowFileError("Cannot create file", path, ::GetLastError());
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
    if (!::MoveFileExA(temp.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
        DWORD code = ::GetLastError();
        ::DeleteFileA(temp.c_str());
        ThrowFileError("Cannot write file", path, code);
    }
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    WriteWholeFile(path, bytes);
}

}  // namespace zarvik
