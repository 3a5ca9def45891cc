#pragma once
// Helpers shared by the file list, analysis and file browser tests.
#include <windows.h>
#include <commctrl.h>
#include <winioctl.h>

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


}  // namespace testing_support
