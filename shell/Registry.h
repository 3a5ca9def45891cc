#pragma once
// The program's one registry accessor. It keeps no state between calls:
// every open names its root, and the key it gives back is closed when the
// caller lets it go, so no command starts where another one left off. Keys
// are opened for reading unless a command asks to change them, since
// ordinary accounts are refused full access.
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Handles.h"

namespace zarvik {

// Which of the machine's registry views a key is opened in. 64-bit Windows
// keeps two copies of most of HKEY_LOCAL_MACHINE\SOFTWARE: the native one and
// the one 32-bit programs see (WOW6432Node). Either build names the view it
// means, since a 32-bit process is otherwise shown only the second and a
// 64-bit one only the first. 32-bit Windows has one view, opened as always.
enum class RegistryView { Default, Native, Wow32 };

// The views whose start-up entries and shared DLLs differ on this machine:
// Native and Wow32 on 64-bit Windows, Default alone on 32-bit Windows.
std::vector<RegistryView> RegistryViews();
// The view native programs see: Native on 64-bit Windows, Default otherwise.
RegistryView NativeRegistryView();

// The 32-bit System directory of 64-bit Windows (SysWOW64) with "\" appended;
// empty on 32-bit Windows.
std::string Wow64SystemDirectory();

// The file a path written by the programs of `view` names, as the program's
// file functions open it. Programs of the 32-bit view mean SysWOW64 where
// they write system32; the native view's system32 is the real one, which the
// file functions open in either build. Other folders, and the few below
// system32 that the system never redirects, are the same file in either view.
std::string FileOfView(const std::string& path, RegistryView view);

// What an entry of the 32-bit view carries in a list, so that the user can
// tell it from a native entry of the same name.
inline constexpr const char* kWow32Mark = " (32-bit)";

// A value that exists but is not text: "Invalid data type for '<name>'".
class RegistryDataTypeError : public std::runtime_error {
public:
    explicit RegistryDataTypeError(const std::string& valueName);
    const std::string& ValueName() const { return name_; }

private:
    std::string name_;
};

// An open key, or none when the open failed.
class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY key) : key_(key) {}
    explicit operator bool() const { return static_cast<bool>(key_); }
    HKEY Get() const { return key_.Get(); }

    // Names in enumeration order; empty when there is no key.
    std::vector<std::string> ValueNames() const;
    std::vector<std::string> SubkeyNames() const;
    // A text value (REG_SZ or REG_EXPAND_SZ, left unexpanded); nullopt when
    // there is no key or no such value. Any other type throws
    // RegistryDataTypeError. The empty name is the key's default value.
    std::optional<std::string> ReadString(std::string_view name) const;
    // Writes REG_SZ; throws "Failed to set data for '<name>'" when refused.
    void WriteString(std::string_view name, std::string_view text) const;
    // False when the value could not be deleted.
    bool DeleteValue(std::string_view name) const;

private:
    ui::RegKey key_;
};

class RegistryAccessor {
public:
    // Opens the key below `root` one part after another, each part below the
    // key reached so far, all in `view`; the last part with `access`, the
    // ones on the way for reading. An empty key when any part does not open.
    RegistryKey OpenKey(HKEY root, std::initializer_list<std::string_view> parts,
                        REGSAM access = KEY_READ,
                        RegistryView view = RegistryView::Default) const;
    // Opens a whole path ("A\B\C") below `root` in one call.
    RegistryKey OpenPath(HKEY root, std::string_view path, REGSAM access = KEY_READ,
                         RegistryView view = RegistryView::Default) const;
};

}  // namespace zarvik
