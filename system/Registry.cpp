#include "system/Registry.h"

namespace zarvik {

void RegistryAccessor::SetRootKey(HKEY root) {
    CloseKey();
    root_ = root;
}

bool RegistryAccessor::OpenKey(std::string_view subkey, REGSAM access) {
    std::string name(subkey);
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(CurrentKey(), name.c_str(), 0, access, &opened) != ERROR_SUCCESS)
        return false;
    key_.Reset(opened);
    return true;
}

void RegistryAccessor::CloseKey() { key_.Reset(); }

std::vector<std::string> RegistryAccessor::ValueNames() const {
    std::vector<std::string> names;
    if (!key_) return names;
    DWORD count = 0, maxLen = 0;
    if (::RegQueryInfoKeyA(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           &count, &maxLen, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    std::string buf(static_cast<size_t>(maxLen) + 1, '\0');
    for (DWORD i = 0; i < count; ++i) {
        DWORD len = static_cast<DWORD>(buf.size());
        LONG rc = ::RegEnumValueA(key_.Get(), i, buf.data(), &len, nullptr, nullptr, nullptr,
                                  nullptr);
        if (rc == ERROR_MORE_DATA) {  // a value added since the query
            buf.resize(buf.size() * 2 + 256);
            --i;
            continue;
        }
        if (rc != ERROR_SUCCESS) break;
        names.emplace_back(buf.data(), len);
    }
    return names;
}

std::vector<std::string> RegistryAccessor::SubkeyNames() const {
    std::vector<std::string> names;
    if (!key_) return names;
    char buf[256];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof buf;
        if (::RegEnumKeyExA(key_.Get(), i, buf, &len, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(buf, len);
    }
    return names;
}

std::string RegistryAccessor::ReadString(std::string_view name) const {
    std::string n(name);
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(CurrentKey(), n.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    std::string value(size, '\0');
    if (::RegQueryValueExA(CurrentKey(), n.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
        return {};
    value.resize(size);
    while (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
}

}  // namespace zarvik
