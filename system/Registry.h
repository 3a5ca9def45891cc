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
    // key reached so far; the last part with `access`, the ones on the way
    // for reading. An empty key when any part does not open.
    RegistryKey OpenKey(HKEY root, std::initializer_list<std::string_view> parts,
                        REGSAM access = KEY_READ) const;
    // Opens a whole path ("A\B\C") below `root` in one call.
    RegistryKey OpenPath(HKEY root, std::string_view path, REGSAM access = KEY_READ) const;
};

}  // namespace zarvik
