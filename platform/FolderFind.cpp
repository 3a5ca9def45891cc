#include "platform/FolderFind.h"

#include <windows.h>

#include "platform/FileFind.h"
#include "platform/FileNames.h"
#include "platform/Handles.h"

namespace platform {

namespace {

// The basic information (no short names), fetched in large blocks: fewer
// trips to the file system on a large tree. Windows before 7 refuses both.
HANDLE FindFirst(const std::wstring& pattern, WIN32_FIND_DATAW& fd) {
    HANDLE h = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &fd, FindExSearchNameMatch,
                                  nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_INVALID_PARAMETER)
        h = ::FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &fd, FindExSearchNameMatch,
                               nullptr, 0);
    return h;
}

}  // namespace

std::optional<std::vector<zarvik::FolderEntry>> Win32FolderLister::ListEntries(const std::string& folder) {
    std::vector<zarvik::FolderEntry> entries;
    if (folder.empty()) return std::nullopt;
    const std::wstring pattern = ApiPath(JoinPath(folder, "*"));
    WIN32_FIND_DATAW fd;
    NativeFileSystem native;
    FindHandle find(FindFirst(pattern, fd));
    if (!find) {
        // An empty drive root has no "." entry to find: it is entered all the same.
        if (::GetLastError() == ERROR_FILE_NOT_FOUND) return entries;
        return std::nullopt;
    }
    do {
        const DWORD a = fd.dwFileAttributes;
        entries.push_back({ProgramName(fd.cFileName), (a & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (a & FILE_ATTRIBUTE_HIDDEN) != 0, (a & FILE_ATTRIBUTE_SYSTEM) != 0,
                           (a & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (::FindNextFileW(find.Get(), &fd));
    return entries;
}

}  // namespace platform
