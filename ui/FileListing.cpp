#include "ui/FileListing.h"

#include <windows.h>

#include <algorithm>

#include "app/FileMask.h"
#include "ui/Handles.h"

namespace ui {

namespace {

template <typename Keep>
std::vector<std::string> Scan(std::string_view directory, Keep keep) {
    std::vector<std::string> names;
    std::string pattern = JoinPath(directory, "*");
    WIN32_FIND_DATAA fd;
    FindHandle find(::FindFirstFileA(pattern.c_str(), &fd));
    if (!find) return names;
    do {
        if (keep(fd)) names.emplace_back(fd.cFileName);
    } while (::FindNextFileA(find.Get(), &fd));
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

std::vector<std::string> ListPlainFiles(std::string_view directory, std::string_view mask) {
    const std::vector<std::string> patterns = zarvik::SplitMask(mask);
    if (patterns.empty() || directory.empty()) return {};
    return Scan(directory, [&](const WIN32_FIND_DATAA& fd) {
        constexpr DWORD skip =
            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        if (fd.dwFileAttributes & skip) return false;
        for (const std::string& p : patterns) {
            if (zarvik::MatchesPattern(fd.cFileName, p)) return true;
        }
        return false;
    });
}

std::vector<std::string> ListSubdirectories(std::string_view directory) {
    return Scan(directory, [](const WIN32_FIND_DATAA& fd) {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
        std::string_view n = fd.cFileName;
        return n != "." && n != "..";
    });
}

}  // namespace ui
