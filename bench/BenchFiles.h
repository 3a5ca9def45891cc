#pragma once
// Files for the benchmarks: a directory's plain files, and a large file of
// real executables for the File Viewer (the System directory's DLLs one after
// another, copied in pieces so that the benchmark's own memory stays small).
// Plain Win32, so that the benchmark of the real exe, which links none of
// the program, can use it too.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace bench {

// Reads the file in pieces, handing each to `take`; false when it cannot.
template <typename Take>
bool ReadInPieces(const std::string& path, Take take) {
    HANDLE in = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (in == INVALID_HANDLE_VALUE) return false;
    static std::vector<char> buffer(1 << 20);
    DWORD got = 0;
    bool ok = true;
    while (ok && ::ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got)
        ok = take(buffer.data(), got);
    ::CloseHandle(in);
    return ok;
}

// The plain files of a directory under a mask as the program lists them (no
// directories, no hidden or system files): full paths with their sizes, in
// name order.
inline std::vector<std::pair<std::string, ULONGLONG>> PlainFiles(const std::string& dir,
                                                                 const char* mask = "*.*") {
    std::vector<std::pair<std::string, ULONGLONG>> out;
    if (dir.empty()) return out;
    WIN32_FIND_DATAA d;
    HANDLE h = ::FindFirstFileA((dir + "\\" + mask).c_str(), &d);
    if (h == INVALID_HANDLE_VALUE) return out;
    do {
        if (!(d.dwFileAttributes &
              (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
            out.emplace_back(dir + "\\" + d.cFileName,
                             (ULONGLONG{d.nFileSizeHigh} << 32) | d.nFileSizeLow);
    } while (::FindNextFileA(h, &d));
    ::FindClose(h);
    std::sort(out.begin(), out.end());
    return out;
}

// The System directory's DLLs.
inline std::vector<std::pair<std::string, ULONGLONG>> SystemDlls() {
    char dir[MAX_PATH] = {};
    ::GetSystemDirectoryA(dir, sizeof dir);
    return PlainFiles(dir, "*.dll");
}

// Copies `sources` one after another, from the first again, until `path`
// holds `size` bytes.
inline bool MakeExecutablesFile(const std::string& path, size_t size,
                                const std::vector<std::string>& sources) {
    if (sources.empty()) return false;
    HANDLE out = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    size_t written = 0, cycleStart = SIZE_MAX;
    bool ok = true;
    for (size_t i = 0; ok && written < size; i = (i + 1) % sources.size()) {
        if (i == 0) {
            if (written == cycleStart) break;  // a whole round read nothing
            cycleStart = written;
        }
        ReadInPieces(sources[i], [&](const char* bytes, DWORD count) {
            const DWORD part = static_cast<DWORD>(std::min<size_t>(count, size - written));
            DWORD done = 0;
            if (!part) return false;
            ok = ::WriteFile(out, bytes, part, &done, nullptr) != FALSE;
            written += done;
            return ok;
        });
    }
    ::CloseHandle(out);
    return ok;
}

// All of the System directory's DLLs, in name order.
inline bool MakeExecutablesFile(const std::string& path, size_t size) {
    std::vector<std::string> sources;
    for (const auto& dll : SystemDlls()) sources.push_back(dll.first);
    return MakeExecutablesFile(path, size, sources);
}

// GNU strings -n 6 over the file, its output thrown away, timed by a Unix
// shell that Wine starts (Wine does not wait for a Unix program, so the
// shell writes its figure into a file this process waits for). The faster
// of two runs in ms, or a negative figure without Wine (Windows itself) or
// when no run gave its figure within `waitMs`.
inline double GnuStrings(const std::string& file, int waitMs) {
    using UnixName = char*(CDECL*)(const WCHAR*);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) return -1;
    const auto unix = [&](const std::string& path) {
        std::wstring wide(path.size() + 1, L'\0');
        wide.resize(static_cast<size_t>(std::max(0, ::MultiByteToWideChar(
                        CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size())) - 1)));
        char* name = unixName(wide.c_str());
        const std::string out(name ? name : "");
        if (name) ::HeapFree(::GetProcessHeap(), 0, name);
        return out;
    };
    const std::string script = file + ".sh", figure = file + ".us";
    HANDLE out = ::CreateFileA(script.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return -1;
    const std::string lines = "a=$(date +%s%N); strings -n 6 '" + unix(file) +
                              "' >/dev/null; b=$(date +%s%N); echo $(( (b - a) / 1000 )) > '" +
                              unix(figure) + ".part' && mv '" + unix(figure) + ".part' '" +
                              unix(figure) + "'\n";
    DWORD written = 0;
    const bool whole =
        ::WriteFile(out, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr) &&
        written == lines.size();
    ::CloseHandle(out);
    if (!whole) return -1;
    std::string command = "/bin/sh \"" + unix(script) + "\"";
    double best = -1;
    for (int run = 0; run < 2; ++run) {
        ::DeleteFileA(figure.c_str());
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &si, &pi))
            break;
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        for (int waited = 0;
             waited < waitMs && ::GetFileAttributesA(figure.c_str()) == INVALID_FILE_ATTRIBUTES;
             waited += 5)
            ::Sleep(5);
        std::string text(32, '\0');
        HANDLE in = ::CreateFileA(figure.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        DWORD got = 0;
        if (in != INVALID_HANDLE_VALUE) {
            ::ReadFile(in, text.data(), static_cast<DWORD>(text.size() - 1), &got, nullptr);
            ::CloseHandle(in);
        }
        const double ms = std::atof(text.c_str()) / 1000;
        if (got && ms > 0 && (best < 0 || ms < best)) best = ms;
    }
    ::DeleteFileA(figure.c_str());
    ::DeleteFileA(script.c_str());
    return best;
}

}  // namespace bench
