#include "platform/FileNames.h"

#include <optional>

#include "core/NameForm.h"
#include "platform/SystemFunction.h"

namespace platform {

namespace {

void AppendAnsi(std::wstring& out, std::string_view run) {
    if (run.empty()) return;
    const int n = ::MultiByteToWideChar(CP_ACP, 0, run.data(), static_cast<int>(run.size()), nullptr, 0);
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(n));
    ::MultiByteToWideChar(CP_ACP, 0, run.data(), static_cast<int>(run.size()), out.data() + at, n);
}

// The code page's bytes for the text, or false when a character has none
// (no best fit: "ö" must not come back as "o").
bool ToAnsi(std::wstring_view text, std::string& out) {
    BOOL lossy = FALSE;
    const int size = static_cast<int>(text.size());
    const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0,
                                        nullptr, &lossy);
    if (lossy || (n == 0 && size > 0)) return false;
    out.resize(static_cast<size_t>(n));
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, out.data(), n, nullptr,
                          &lossy);
    return !lossy;
}

}  // namespace

std::wstring WidePath(std::string_view path) {
    std::wstring wide;
    wide.reserve(path.size());
    size_t run = 0;
    for (size_t i = 0; i < path.size();) {
        const int unit = path[i] == '<' ? zarvik::EscapedUnit(path.substr(i)) : -1;
        if (unit < 0) {
            ++i;
            continue;
        }
        AppendAnsi(wide, path.substr(run, i - run));
        wide += static_cast<wchar_t>(unit);
        i += 6;
        run = i;
    }
    AppendAnsi(wide, path.substr(run));
    return wide;
}

std::string AnsiToUtf8(std::string_view ansi) {
    std::wstring wide;
    AppendAnsi(wide, ansi);
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

std::string ProgramName(std::wstring_view name) {
    std::string out;
    if (ToAnsi(name, out)) return out;
    return zarvik::NameForm(name, [](wchar_t unit, std::string& bytes) {
        return ToAnsi(std::wstring_view(&unit, 1), bytes);
    });
}

std::optional<std::wstring> FullWidePath(const std::wstring& path) {
    const DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return std::nullopt;
    std::wstring full(n, L'\0');
    const DWORD got = ::GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    if (got == 0 || got >= n) return std::nullopt;
    full.resize(got);
    return full;
}

std::wstring ApiPath(std::string_view path) {
    std::wstring wide = WidePath(path);
    if (wide.size() < MAX_PATH || wide.starts_with(L"\\\\?\\")) return wide;
    // The prefix turns off the system's own tidying of the path, so it is
    // given the full path, tidied first.
    const std::optional<std::wstring> tidied = FullWidePath(wide);
    if (!tidied) return wide;
    const std::wstring& full = *tidied;
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

NativeFileSystem::NativeFileSystem() {
#ifndef _WIN64
    // Looked up once: Windows 2000 has no WoW64, and neither has a 32-bit
    // Windows of any age, where the call fails harmlessly.
    static auto* const disable =
        SystemFunction<BOOL WINAPI(PVOID*)>("kernel32.dll", "Wow64DisableWow64FsRedirection");
    disabled_ = disable && disable(&previous_);
#endif
}

NativeFileSystem::~NativeFileSystem() {
#ifndef _WIN64
    static auto* const revert =
        SystemFunction<BOOL WINAPI(PVOID)>("kernel32.dll", "Wow64RevertWow64FsRedirection");
    if (disabled_ && revert) revert(previous_);
#endif
}

}  // namespace platform
