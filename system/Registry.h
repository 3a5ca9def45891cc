#pragma once
// The program's one registry accessor: a root key and one open key at a
// time, opened level by level. Keys are opened for reading unless a command
// asks to change them, since ordinary accounts are refused full access.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/Handles.h"

namespace zarvik {

class RegistryAccessor {
public:
    void SetRootKey(HKEY root);  // closes any open key
    // Opens `subkey` relative to the open key (or the root when none is
    // open), without creating it. False when it cannot be opened; the
    // previously open key then stays open.
    bool OpenKey(std::string_view subkey, REGSAM access = KEY_READ);
    bool HasOpenKey() const { return static_cast<bool>(key_); }
    void CloseKey();
    // Names of every value of the open key in enumeration order; empty when
    // no key is open or its information cannot be read.
    std::vector<std::string> ValueNames() const;
    std::vector<std::string> SubkeyNames() const;
    // A text value of the open key; empty when missing.
    std::string ReadString(std::string_view name) const;
    HKEY CurrentKey() const { return key_ ? key_.Get() : root_; }

private:
    HKEY root_ = HKEY_CURRENT_USER;
    ui::RegKey key_;
};

}  // namespace zarvik
