#pragma once
// The platform's rich-edit control (RichEdit 2.0 or later, ANSI class).
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/Window.h"

namespace ui {

class RichEdit : public Window {
public:
    struct Options {
        bool readOnly = false;
        bool wordWrap = true;
        bool vScroll = true;
        bool hScroll = false;
        bool wantTab = false;
        bool keepSelection = false;  // selection visible without the focus
    };
    void Create(HWND parent, const Rect& r, const Options& options);

    // Logical lines of the document (paragraphs), whatever the wrapping.
    std::vector<std::string> Lines() const;
    void SetPlainText(std::string_view text);
    void Clear();
};

// Makes the rich-edit window class available; false when no library has it.
bool LoadRichEditLibrary();

}  // namespace ui
