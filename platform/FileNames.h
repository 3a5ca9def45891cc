#pragma once
// File names as the program keeps them, and the file system as a technician
// means it on 64-bit Windows.
//
// The program keeps names in the ANSI code page. A character the code page
// cannot hold is kept as its UTF-16 code unit in hexadecimal between angle
// brackets ("日本語.dll" is "<65E5><672C><8A9E>.dll"): "<" and ">" never
// occur in a Windows file name, so the form reads back unambiguously, and
// every file found can be opened again from its name. The form is this
// layer's naming rule; the log only stores what it is given.
//
// In a 32-bit process on 64-bit Windows, every file operation of this layer
// sees the native System directory, as a 64-bit program does, instead of the
// one WoW64 redirects it to.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The program's form of a path as the wide API takes it.
std::wstring WidePath(std::string_view path);
// A name or path from the wide API in the program's form.
std::string ProgramName(std::wstring_view name);
// The wide path a file call is given: with the "\\?\" prefix once the path
// passes MAX_PATH, where the plain form would be refused.
std::wstring ApiPath(std::string_view path);
// Text of the ANSI code page in UTF-8 (through UTF-16), for files written
// for other programs: the form's escapes are left as they are
// (zarvik::NameToUtf8 reads them).
std::string AnsiToUtf8(std::string_view ansi);
// The full path as the system spells it (GetFullPathNameW), if it can say.
std::optional<std::wstring> FullWidePath(const std::wstring& path);

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

}  // namespace platform
