#include <windows.h>
#include <cderr.h>
#include <commdlg.h>

#include <vector>

#include "shell/Prompts.h"
#include "platform/FileIO.h"

namespace zarvik {

namespace {

// "Text|*.txt|All|*.*" becomes the platform's double-zero-terminated list.
std::string FilterList(const std::string& filter) {
    std::string list = filter;
    for (char& c : list) {
        if (c == '|') c = '\0';
    }
    list.push_back('\0');
    list.push_back('\0');
    return list;
}

std::optional<std::string> RunFileDialog(HWND owner, const FileDialogOptions& o, bool save) {
    std::string filter = FilterList(o.filter);
    std::vector<char> name(32768, '\0');
    o.initialName.copy(name.data(), name.size() - 1);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = o.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(o.filterIndex);
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrTitle = o.title.empty() ? nullptr : o.title.c_str();
    ofn.lpstrDefExt = o.defaultExt.empty() ? nullptr : o.defaultExt.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    BOOL ok = save ? ::GetSaveFileNameA(&ofn) : ::GetOpenFileNameA(&ofn);
    if (!ok) return std::nullopt;
    return std::string(name.data());
}

}  // namespace

bool Win32Prompts::Ask(HWND owner, const std::string& text, const std::string& title) {
    return ::MessageBoxA(owner, text.c_str(), title.c_str(), MB_YESNO) == IDYES;
}

void Win32Prompts::Tell(HWND owner, const std::string& text, const std::string& title) {
    ::MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK);
}

void Win32Prompts::ShowError(HWND owner, const std::string& text, const std::string& title) {
    ::MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

std::optional<std::string> Win32Prompts::OpenFile(HWND owner, const FileDialogOptions& o) {
    return RunFileDialog(owner, o, false);
}

std::optional<std::string> Win32Prompts::SaveFile(HWND owner, const FileDialogOptions& o) {
    return RunFileDialog(owner, o, true);
}

std::optional<std::string> Win32Prompts::OpenPicture(HWND owner) {
    FileDialogOptions o;
    o.filter = "All pictures|*.ico;*.bmp|Icons (*.ico)|*.ico|Bitmaps (*.bmp)|*.bmp";
    return RunFileDialog(owner, o, false);
}

bool Win32Prompts::ChooseFont(HWND owner, LOGFONTA& font, COLORREF& color) {
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &font;
    cf.rgbColors = color;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!::ChooseFontA(&cf)) return false;
    color = cf.rgbColors;
    return true;
}

ui::OwnedDC Win32Prompts::DefaultPrinter(std::string& error) {
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!::PrintDlgA(&pd) || !pd.hDC) {
        DWORD code = ::CommDlgExtendedError();
        error = code == PDERR_NODEFAULTPRN || code == 0 ? "There is no default printer."
                                                        : "The printer could not be opened.";
        if (pd.hDevMode) ::GlobalFree(pd.hDevMode);
        if (pd.hDevNames) ::GlobalFree(pd.hDevNames);
        return {};
    }
    if (pd.hDevMode) ::GlobalFree(pd.hDevMode);
    if (pd.hDevNames) ::GlobalFree(pd.hDevNames);
    return ui::OwnedDC(pd.hDC);
}

std::string Win32SystemPaths::WindowsDirectory() {
    char buf[MAX_PATH + 1] = {};
    UINT n = ::GetWindowsDirectoryA(buf, sizeof buf);
    return n && n < sizeof buf ? std::string(buf, n) : std::string();
}

std::string Win32SystemPaths::SystemDirectory() {
    char buf[MAX_PATH + 1] = {};
    UINT n = ::GetSystemDirectoryA(buf, sizeof buf);
    return n && n < sizeof buf ? std::string(buf, n) : std::string();
}

std::string Win32SystemPaths::SystemWow64Directory() { return platform::SystemWow64Directory(); }

}  // namespace zarvik
