#pragma once
// Helpers shared by the file list, analysis and file browser tests.
#include <windows.h>
#include <commctrl.h>
#include <winioctl.h>

#include <cstring>
#include <string>
#include <vector>

#include "gui/support/Harness.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace testing_support {

// Chooses a list entry the way a click does: the selection moves and the
// parent is told.
inline void ClickEntry(ui::ListBox& list, int index) {
    ::SendMessageA(list.Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(::GetParent(list.Handle()), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(list.Handle()), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list.Handle()));
    ui::PumpMessages();
}

// A double-click on the selected entry (index -1: on the list without a selection).
inline void DoubleClickEntry(ui::ListBox& list, int index) {
    ::SendMessageA(list.Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(::GetParent(list.Handle()), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(list.Handle()), LBN_DBLCLK),
                   reinterpret_cast<LPARAM>(list.Handle()));
    ui::PumpMessages();
}

inline void ChooseEntry(ui::ComboBox& combo, int index) {
    ::SendMessageA(combo.Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(::GetParent(combo.Handle()), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(combo.Handle()), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo.Handle()));
    ui::PumpMessages();
}

// Typing into an edit: the text changes and the control reports it.
inline void Type(ui::Window& edit, const std::string& text) {
    ::SendMessageA(edit.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ui::PumpMessages();
}

// A file of `size` bytes without writing them all.
// Sparse where the file system can: gigabytes cost no disk.
inline void MakeFileOfLength(const std::string& path, LONGLONG size) {
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD returned = 0;
    ::DeviceIoControl(f, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER at;
    at.QuadPart = size;
    ::SetFilePointerEx(f, at, nullptr, FILE_BEGIN);
    ::SetEndOfFile(f);
    ::CloseHandle(f);
}

// Holds a file open without sharing, as a program that locks it does.
class LockedFile {
public:
    explicit LockedFile(const std::string& path)
        : handle_(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~LockedFile() {
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};


inline bool IsReparsePoint(const std::wstring& path) {
    const DWORD a = ::GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_REPARSE_POINT);
}

// A junction at `link` to the folder `target`: a directory symbolic link,
// else a mount point set by hand. False when the system makes neither
// (Wine 8 says it made the link but makes nothing, and refuses the mount point).
inline bool MakeJunction(const std::string& link, const std::string& target) {
    const std::wstring l(link.begin(), link.end()), t(target.begin(), target.end());
    using Link = BOOLEAN(WINAPI*)(LPCWSTR, LPCWSTR, DWORD);
    const auto makeLink = reinterpret_cast<Link>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkW")));
    // A directory link, unprivileged where developer mode allows it.
    if (makeLink && makeLink(l.c_str(), t.c_str(), 0x1 | 0x2) && IsReparsePoint(l)) return true;
    ::RemoveDirectoryW(l.c_str());
    if (!::CreateDirectoryW(l.c_str(), nullptr)) return false;
    const std::wstring substitute = L"\\??\\" + t;
    const USHORT bytes = static_cast<USHORT>(substitute.size() * sizeof(wchar_t));
    std::vector<BYTE> buffer(16 + bytes + 2 * sizeof(wchar_t));
    auto* header = reinterpret_cast<DWORD*>(buffer.data());
    header[0] = IO_REPARSE_TAG_MOUNT_POINT;
    auto* fields = reinterpret_cast<USHORT*>(buffer.data() + 4);
    fields[0] = static_cast<USHORT>(buffer.size() - 8);  // data length
    fields[2] = 0;                                       // substitute offset
    fields[3] = bytes;                                   // substitute length
    fields[4] = static_cast<USHORT>(bytes + sizeof(wchar_t));  // print name offset
    fields[5] = 0;                                             // print name length
    std::memcpy(buffer.data() + 16, substitute.c_str(), bytes);
    HANDLE h = ::CreateFileW(l.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    DWORD returned = 0;
    const bool set = h != INVALID_HANDLE_VALUE &&
                     ::DeviceIoControl(h, FSCTL_SET_REPARSE_POINT, buffer.data(), static_cast<DWORD>(buffer.size()),
                                       nullptr, 0, &returned, nullptr);
    if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
    return set && IsReparsePoint(l);
}

}  // namespace testing_support
