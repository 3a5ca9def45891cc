#include "shell/Registry.h"

#include <string.h>

#include "platform/FileIO.h"
#include "platform/SystemFunction.h"

namespace zarvik {

namespace {

bool TwoViews() {
#ifdef _WIN64
    return true;
#else
    // A 32-bit process under WOW64 is on 64-bit Windows. Windows 2000 has no
    // IsWow64Process and no second view.
    static const bool wow64 = [] {
        auto* isWow64 =
            platform::SystemFunction<BOOL WINAPI(HANDLE, PBOOL)>("kernel32.dll", "IsWow64Process");
        BOOL is = FALSE;
        return isWow64 && isWow64(::GetCurrentProcess(), &is) && is;
    }();
    return wow64;
#endif
}

// The flag that picks the view; none where there is one view, since
// Windows 2000 refuses the flags.
REGSAM ViewFlag(RegistryView view) {
    switch (view) {
    case RegistryView::Native: return KEY_WOW64_64KEY;
    case RegistryView::Wow32: return KEY_WOW64_32KEY;
    default: return 0;
    }
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return _strnicmp(text.c_str(), prefix.c_str(), prefix.size()) == 0;
}

std::string WithSlash(const char* directory, UINT length) {
    return length && length < MAX_PATH ? std::string(directory, length) + "\\" : std::string();
}

}  // namespace

std::vector<RegistryView> RegistryViews() {
    if (TwoViews()) return {RegistryView::Native, RegistryView::Wow32};
    return {RegistryView::Default};
}

RegistryView NativeRegistryView() {
    return TwoViews() ? RegistryView::Native : RegistryView::Default;
}

std::string Wow64SystemDirectory() {
    const std::string wow = platform::SystemWow64Directory();
    return wow.empty() ? wow : wow + "\\";
}

std::string FileOfView(const std::string& path, RegistryView view) {
    if (view == RegistryView::Default) return path;
    char buf[MAX_PATH];
    const std::string system = WithSlash(buf, ::GetSystemDirectoryA(buf, MAX_PATH));
    if (system.empty() || !StartsWith(path, system)) return path;
    const std::string rest = path.substr(system.size());
    for (const char* shared :
         {"catroot\\", "catroot2\\", "driverstore\\", "drivers\\etc\\", "logfiles\\", "spool\\"})
        if (StartsWith(rest, shared)) return path;
    if (view == RegistryView::Wow32) {
        const std::string wow = Wow64SystemDirectory();
        return wow.empty() ? path : wow + rest;
    }
    // The native view's system32 is the one the file functions open in
    // either build (platform/FileNames.h).
    return path;
}

RegistryDataTypeError::RegistryDataTypeError(const std::string& valueName)
    : std::runtime_error("Invalid data type for '" + valueName + "'"), name_(valueName) {}

RegistryKey RegistryAccessor::OpenKey(HKEY root, std::initializer_list<std::string_view> parts,
                                      REGSAM access, RegistryView view) const {
    RegistryKey key;
    HKEY at = root;
    size_t left = parts.size();
    for (std::string_view part : parts) {
        const std::string name(part);
        HKEY opened = nullptr;
        // Each part names the view, so no step falls back to the process's own.
        if (::RegOpenKeyExA(at, name.c_str(), 0, (--left ? KEY_READ : access) | ViewFlag(view),
                            &opened) != ERROR_SUCCESS)
            return {};
        key = RegistryKey(opened);  // closes the part above
        at = opened;
    }
    return key;
}

RegistryKey RegistryAccessor::OpenPath(HKEY root, std::string_view path, REGSAM access,
                                       RegistryView view) const {
    const std::string name(path);
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root, name.c_str(), 0, access | ViewFlag(view), &opened) != ERROR_SUCCESS)
        return {};
    return RegistryKey(opened);
}

std::vector<std::string> RegistryKey::ValueNames() const {
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
        if (rc == ERROR_MORE_DATA) {  // a longer name added since the query
            buf.resize(buf.size() * 2 + 256);
            --i;
            continue;
        }
        if (rc != ERROR_SUCCESS) break;
        names.emplace_back(buf.data(), len);
    }
    return names;
}

std::vector<std::string> RegistryKey::SubkeyNames() const {
    std::vector<std::string> names;
    if (!key_) return names;
    char buf[256];  // key names are at most 255 characters
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof buf;
        if (::RegEnumKeyExA(key_.Get(), i, buf, &len, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(buf, len);
    }
    return names;
}

std::optional<std::string> RegistryKey::ReadString(std::string_view name) const {
    if (!key_) return std::nullopt;
    const std::string n(name);
    // Most values fit: one call instead of asking for the size first.
    char small[512];
    std::string value;
    DWORD type = 0, size = sizeof small;
    LONG rc = ::RegQueryValueExA(key_.Get(), n.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(small), &size);
    if (rc == ERROR_SUCCESS) {
        value.assign(small, size);
    } else {
        while (rc == ERROR_MORE_DATA) {  // it may grow between the two calls
            value.resize(size);
            rc = ::RegQueryValueExA(key_.Get(), n.c_str(), nullptr, &type,
                                    reinterpret_cast<BYTE*>(value.data()), &size);
        }
        if (rc != ERROR_SUCCESS) return std::nullopt;
        value.resize(size);
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw RegistryDataTypeError(n);
    // Stored text need not end in a zero, and may carry more than one.
    while (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
}

void RegistryKey::WriteString(std::string_view name, std::string_view text) const {
    const std::string n(name), t(text);
    if (!key_ || ::RegSetValueExA(key_.Get(), n.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(t.c_str()),
                                  static_cast<DWORD>(t.size() + 1)) != ERROR_SUCCESS)
        throw std::runtime_error("Failed to set data for '" + n + "'");
}

bool RegistryKey::DeleteValue(std::string_view name) const {
    const std::string n(name);
    return key_ && ::RegDeleteValueA(key_.Get(), n.c_str()) == ERROR_SUCCESS;
}

}  // namespace zarvik
