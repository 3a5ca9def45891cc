#pragma once
// File names as the program keeps them, and the file system as a technician
// means it on 64-bit Windows.
//
// The program keeps names in the ANSI code page. A character the code page
// cannot hold is kept as its UTF-16 code unit in hexadecimal between angle
// brackets ("日本語.dll" is "<65E5><672C><8A9E>.dll"): "<" and ">" never
// occur in a Windows file name, so the form reads back unambiguously, and
// every file found can be opened again from its logged name.
//
// In a 32-bit process on 64-bit Windows, every file operation here sees the
// native System directory, as a 64-bit program does, instead of the one
// WoW64 redirects it to.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/Handles.h"

namespace ui {

// The program's form of a path as the wide API takes it.
std::wstring WidePath(std::string_view path);
// A name or path from the wide API in the program's form.
std::string ProgramName(std::wstring_view name);

// While it lives, the thread's file operations are not redirected by WoW64.
// Kept round single file system calls: a DLL loaded meanwhile would be the
// native one.
class NativeFileSystem {
public:
    NativeFileSystem();
    ~NativeFileSystem();
    NativeFileSystem(const NativeFileSystem&) = delete;
    NativeFileSystem& operator=(const NativeFileSystem&) = delete;

private:
    void* previous_ = nullptr;
    bool disabled_ = false;
};

// Opens an existing file for reading; an invalid handle when it cannot.
FileHandle OpenForReading(std::string_view path, DWORD share, DWORD flags = FILE_ATTRIBUTE_NORMAL);
// INVALID_FILE_ATTRIBUTES when the file or directory is not there.
DWORD FileAttributes(std::string_view path);
struct FileFacts {
    int64_t size = -1;      // -1 when the file cannot be opened or measured
    int64_t writeTime = 0;  // last write, in the platform's 100 ns ticks; 0 unknown
};
// The file's length and last-write time, taken from one open handle.
FileFacts MeasureFile(std::string_view path);
// True for a volume of the FAT family, whose times are local and in 2 s steps.
bool OnFatVolume(std::string_view path);

// The 32-bit System directory of 64-bit Windows, without a trailing "\";
// empty on 32-bit Windows.
std::string SystemWow64Directory();

}  // namespace ui
