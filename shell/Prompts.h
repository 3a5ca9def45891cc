#pragma once
// Every modal question, message, file, font and picture dialog, and the
// printer, go through this interface: the program uses the platform's
// dialogs, tests script the answers and read back what was asked.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/Win32Error.h"
#include "ui/Handles.h"

namespace zarvik {

struct FileDialogOptions {
    std::string filter;        // "Ini File|*.ini|All Files|*.*"
    std::string defaultExt;    // without the dot; empty for none
    std::string title;         // empty: the platform's default
    int filterIndex = 1;       // 1-based, as the platform counts
    std::string initialName;   // file name shown at start
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // A Yes/No question without an icon; true on Yes.
    virtual bool Ask(HWND owner, const std::string& text, const std::string& title) = 0;
    // A message with an OK button.
    virtual void Tell(HWND owner, const std::string& text, const std::string& title) = 0;
    // An error message with an OK button (an error raised by a command).
    virtual void ShowError(HWND owner, const std::string& text, const std::string& title) = 0;

    virtual std::optional<std::string> OpenFile(HWND owner, const FileDialogOptions& o) = 0;
    virtual std::optional<std::string> SaveFile(HWND owner, const FileDialogOptions& o) = 0;
    // Opens a picture file chooser (icons, bitmaps); the chosen path.
    virtual std::optional<std::string> OpenPicture(HWND owner) = 0;
    // The font dialog preset with `font` and `color`; false on Cancel.
    virtual bool ChooseFont(HWND owner, LOGFONTA& font, COLORREF& color) = 0;
    // A DC on the default printer, without a dialog; empty when there is no
    // usable printer (then `error` holds the platform's message).
    virtual ui::OwnedDC DefaultPrinter(std::string& error) = 0;
};

// The platform's dialogs.
class Win32Prompts final : public Prompts {
public:
    bool Ask(HWND owner, const std::string& text, const std::string& title) override;
    void Tell(HWND owner, const std::string& text, const std::string& title) override;
    void ShowError(HWND owner, const std::string& text, const std::string& title) override;
    std::optional<std::string> OpenFile(HWND owner, const FileDialogOptions& o) override;
    std::optional<std::string> SaveFile(HWND owner, const FileDialogOptions& o) override;
    std::optional<std::string> OpenPicture(HWND owner) override;
    bool ChooseFont(HWND owner, LOGFONTA& font, COLORREF& color) override;
    ui::OwnedDC DefaultPrinter(std::string& error) override;
};

// Where the Windows and System directories are; tests point them elsewhere.
class SystemPaths {
public:
    virtual ~SystemPaths() = default;
    virtual std::string WindowsDirectory() = 0;  // without a trailing "\"
    // The native one on 64-bit Windows, whichever build asks.
    virtual std::string SystemDirectory() = 0;
    // The 32-bit System directory of 64-bit Windows; empty on 32-bit Windows.
    virtual std::string SystemWow64Directory() = 0;
};

class Win32SystemPaths final : public SystemPaths {
public:
    std::string WindowsDirectory() override;
    std::string SystemDirectory() override;
    std::string SystemWow64Directory() override;
};

using platform::SystemErrorText;

}  // namespace zarvik
