#include "ui/RichEdit.h"

#include <richedit.h>

#include <stdexcept>

namespace ui {

bool LoadRichEditLibrary() {
    // Loaded once and kept for the process: the class must outlive every control.
    static const bool loaded = ::LoadLibraryA("riched20.dll") != nullptr ||
                               ::LoadLibraryA("msftedit.dll") != nullptr;
    return loaded;
}

void RichEdit::Create(HWND parent, const Rect& r, const Options& o) {
    if (!LoadRichEditLibrary()) throw std::runtime_error("The rich edit control is not available");
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                  ES_WANTRETURN;
    if (o.readOnly) style |= ES_READONLY;
    if (o.vScroll) style |= WS_VSCROLL;
    if (o.hScroll) style |= WS_HSCROLL;
    if (!o.wordWrap) style |= ES_AUTOHSCROLL;
    if (o.keepSelection) style |= ES_NOHIDESEL;
    CreateControl(RICHEDIT_CLASSA, parent, r, "", style, WS_EX_CLIENTEDGE);
    ::SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    if (!o.wordWrap) ::SendMessageA(hwnd_, EM_SETTARGETDEVICE, 0, 1);
}

std::vector<std::string> RichEdit::Lines() const {
    GETTEXTLENGTHEX gl{GTL_DEFAULT | GTL_NUMCHARS, CP_ACP};
    LRESULT len = ::SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0);
    std::string text(static_cast<size_t>(len > 0 ? len : 0) + 1, '\0');
    GETTEXTEX gt{};
    gt.cb = static_cast<DWORD>(text.size());
    gt.flags = GT_DEFAULT;
    gt.codepage = CP_ACP;
    LRESULT got = ::SendMessageA(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt),
                                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    // Paragraphs end in "\r" inside the control.
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

void RichEdit::SetPlainText(std::string_view text) { SetText(text); }

void RichEdit::Clear() { SetText(""); }

}  // namespace ui
