#include "platform/FileFind.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "core/FileMask.h"
#include "platform/FileNames.h"
#include "platform/Handles.h"

namespace platform {

namespace {

template <typename Keep>
std::vector<std::string> Scan(std::string_view directory, Keep keep) {
    std::vector<std::string> names;
    // Wide, so a name outside the code page is listed in a form that opens.
    const std::wstring pattern = ApiPath(JoinPath(directory, "*"));
    WIN32_FIND_DATAW fd;
    NativeFileSystem native;
    FindHandle find(::FindFirstFileW(pattern.c_str(), &fd));
    if (!find) return names;
    do {
        std::string name = ProgramName(fd.cFileName);
        if (keep(fd.dwFileAttributes, name)) names.push_back(std::move(name));
    } while (::FindNextFileW(find.Get(), &fd));
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return zarvik::FileNameLess(a, b); });
    return names;
}

}  // namespace

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (path.empty() || path.back() != '\\') path += '\\';
    path += name;
    return path;
}

std::string FullPathName(std::string_view path) {
    const std::optional<std::wstring> full = FullWidePath(WidePath(path));
    return full ? ProgramName(*full) : std::string(path);
}

std::vector<std::string> LogicalDrives() {
    std::vector<std::string> roots;
    char buf[512] = {};
    const DWORD n = ::GetLogicalDriveStringsA(sizeof buf - 1, buf);
    if (n == 0 || n >= sizeof buf) return roots;
    for (const char* p = buf; *p; p += lstrlenA(p) + 1) roots.emplace_back(p);
    return roots;
}

std::vector<std::string> ListPlainFiles(std::string_view directory, std::string_view mask) {
    const std::vector<std::string> patterns = zarvik::SplitMask(mask);
    if (patterns.empty() || directory.empty()) return {};
    return Scan(directory, [&](DWORD attributes, const std::string& name) {
        constexpr DWORD skip =
            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        if (attributes & skip) return false;
        for (const std::string& p : patterns) {
            if (zarvik::MatchesPattern(name, p)) return true;
        }
        return false;
    });
}

std::vector<std::string> ListSubdirectories(std::string_view directory) {
    return Scan(directory, [](DWORD attributes, const std::string& name) {
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
        return name != "." && name != "..";
    });
}

}  // namespace platform
