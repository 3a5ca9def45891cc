#include "gui/support/UnixTools.h"

#include <windows.h>

#include "gui/support/Harness.h"

namespace testing_support {

namespace {

using UnixNameFunction = char*(CDECL*)(LPCWSTR);

UnixNameFunction UnixNameLookup() {
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    return kernel ? reinterpret_cast<UnixNameFunction>(
                        reinterpret_cast<void*>(::GetProcAddress(kernel, "wine_get_unix_file_name")))
                  : nullptr;
}

std::string ShellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

}  // namespace

bool UnderWine() { return UnixNameLookup() != nullptr; }

std::string UnixPath(const std::string& windowsPath) {
    UnixNameFunction lookup = UnixNameLookup();
    if (!lookup) return {};
    std::wstring wide(windowsPath.size() + 1, L'\0');
    const int n = ::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(),
                                        static_cast<int>(wide.size()));
    if (n <= 0) return {};
    char* name = lookup(wide.c_str());
    if (!name) return {};
    std::string result = name;
    ::HeapFree(::GetProcessHeap(), 0, name);
    return result;
}

std::optional<std::string> RunHostShell(const std::string& script, int limitSeconds) {
    if (!UnderWine()) return std::nullopt;
    TempDir dir;
    const std::string done = dir / "done.txt";
    const std::string hostPartial = UnixPath(dir / "partial.txt");
    const std::string hostDone = UnixPath(done);
    if (hostPartial.empty() || hostDone.empty()) return std::nullopt;
    const std::string body = "( " + script + " ) >" + ShellQuote(hostPartial) + " 2>&1; mv " +
                             ShellQuote(hostPartial) + " " + ShellQuote(hostDone);
    // CreateProcess splits on blanks and quotes the Windows way: hand the
    // script over in double quotes with inner double quotes escaped (the
    // scripts hold no backslashes, which that quoting would also touch).
    std::string line = "/bin/sh -c \"";
    for (char c : body) {
        if (c == '"') line += '\\';
        line += c;
    }
    line += '"';
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi))
        return std::nullopt;
    if (pi.hThread) ::CloseHandle(pi.hThread);
    if (pi.hProcess) ::CloseHandle(pi.hProcess);
    for (int waited = 0; waited < limitSeconds * 10; ++waited) {
        if (Exists(done)) return ReadFile(done);
        ::Sleep(100);
    }
    return std::nullopt;
}

}  // namespace testing_support
