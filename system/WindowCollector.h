#pragma once
// What the window list reads of the system: the windows as it enumerates
// them, their class names, texts and icons, and an icon's images.
#include <windows.h>

#include <string>
#include <vector>

#include "system/WindowList.h"
#include "ui/Handles.h"

namespace zarvik {

struct FoundWindow {
    HWND handle;
    DWORD processId;
    bool child;
};

// Every top-level window, each followed by its whole tree of descendants
// when `children`. Throws std::bad_alloc when the list could not grow.
std::vector<FoundWindow> CollectWindows(bool children);

std::string ReadClassName(HWND window);
std::string ReadWindowText(HWND window);

// The icon the system keeps for the window, as a copy the caller owns.
ui::IconHandle WindowIcon(HWND window, WPARAM which);

// The icon's colour and mask images as the icon file stores them. Colour
// icons are read at 32 bits per pixel, which keeps any alpha channel.
IconImage ReadIconImage(HICON icon);

}  // namespace zarvik
