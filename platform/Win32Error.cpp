#include "platform/Win32Error.h"

namespace platform {

std::string SystemErrorText(DWORD code) {
    char* text = nullptr;
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                   FORMAT_MESSAGE_IGNORE_INSERTS,
                               nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string s = n && text ? std::string(text, n) : "Error " + std::to_string(code);
    if (text) ::LocalFree(text);
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' ')) s.pop_back();
    return s;
}

Win32Error::Win32Error(const std::string& what, DWORD code)
    : std::runtime_error(what + ". " + SystemErrorText(code)), code_(code) {}

}  // namespace platform
