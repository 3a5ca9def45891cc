#include "ui/RichEdit.h"

#include "core/TextHelpers.h"
#include "ui/Handles.h"
#include "ui/PagePrinter.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <stdexcept>

namespace ui {

bool LoadRichEditLibrary() {
    // Loaded once and kept for the process: the class must outlive every control.
    static const bool loaded = ::LoadLibraryA("riched20.dll") != nullptr ||
                               ::LoadLibraryA("msftedit.dll") != nullptr;
    return loaded;
}

namespace {

struct ReadCursor {
    std::string_view bytes;
    size_t offset = 0;
};

DWORD CALLBACK ReadFromBuffer(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* got) {
    auto* in = reinterpret_cast<ReadCursor*>(cookie);
    const size_t n = std::min(static_cast<size_t>(size), in->bytes.size() - in->offset);
    std::copy_n(in->bytes.data() + in->offset, n, buffer);
    in->offset += n;
    *got = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK AppendToString(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* written) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer),
                                                   static_cast<size_t>(size));
    *written = size;
    return 0;
}

bool LooksLikeRtf(std::string_view bytes) {
    return bytes.starts_with("{\\rtf") || bytes.starts_with("{\\urtf");
}

// Keeps the selection and the scroll position of a control across a
// temporary selection.
class SelectionScope {
public:
    explicit SelectionScope(HWND h) : h_(h) {
        ::SendMessageA(h_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved_));
    }
    ~SelectionScope() { ::SendMessageA(h_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved_)); }
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;

private:
    HWND h_;
    CHARRANGE saved_{};
};

}  // namespace

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
    wordWrap_ = o.wordWrap;
    wantTab_ = o.wantTab;
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
    return zarvik::SplitLines(text);
}

int RichEdit::ParagraphStart(int paragraph) const {
    const std::vector<std::string> lines = Lines();
    int pos = 0;
    for (int i = 0; i < paragraph && i < static_cast<int>(lines.size()); ++i)
        pos += static_cast<int>(lines[static_cast<size_t>(i)].size()) + 1;
    return pos;
}

void RichEdit::SetPlainText(std::string_view text) { SetText(text); }

void RichEdit::Clear() {
    Select(0, -1);
    const PARAFORMAT2 last = SelectionParagraph();
    const CHARFORMAT2A def = DefaultFormat();
    // Wine's control deletes in time that grows with the square of the
    // paragraphs (minutes for a long report); a fresh control is empty at once.
    if (::SendMessageA(hwnd_, EM_GETLINECOUNT, 0, 0) > kRecreateAbove)
        Recreate(def);
    else
        SetText("");
    Select(0, -1);
    PARAFORMAT2 keep = last;
    keep.dwMask &= PFM_TABSTOPS | PFM_ALIGNMENT;
    SetSelectionParagraph(keep);
    CHARFORMAT2A all = def;
    ::SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&all));
    Select(0, 0);
}

void RichEdit::Recreate(const CHARFORMAT2A& defaultFormat) {
    HWND old = hwnd_;
    HWND parent = ::GetParent(old);
    const Rect r = Bounds();
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(old, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrA(old, GWL_EXSTYLE));
    const LRESULT events = ::SendMessageA(old, EM_GETEVENTMASK, 0, 0);
    HWND before = ::GetWindow(old, GW_HWNDPREV);
    const bool focused = ::GetFocus() == old;
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(old, WM_GETFONT, 0, 0));
    ::SetWindowLongPtrA(old, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    ::DestroyWindow(old);
    CreateControl(RICHEDIT_CLASSA, parent, r, "", style, exStyle);
    // Same place among the siblings, so the Tab order stays.
    ::SetWindowPos(hwnd_, before ? before : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (font) ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    if (!wordWrap_) ::SendMessageA(hwnd_, EM_SETTARGETDEVICE, 0, 1);
    ::SendMessageA(hwnd_, EM_SETEVENTMASK, 0, events);
    SetDefaultFormat(defaultFormat);
    if (focused) ::SetFocus(hwnd_);
}

int RichEdit::TextLength() const {
    GETTEXTLENGTHEX gl{GTL_PRECISE | GTL_NUMCHARS, CP_ACP};
    LRESULT len = ::SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0);
    return static_cast<int>(len > 0 ? len : 0);
}

char RichEdit::CharAt(int position) const {
    char text[4] = {};
    TEXTRANGEA range{{position, position + 1}, text};
    ::SendMessageA(hwnd_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    return text[0];
}

CHARRANGE RichEdit::Selection() const {
    CHARRANGE cr{};
    ::SendMessageA(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    return cr;
}

void RichEdit::Select(int start, int end) {
    CHARRANGE cr{start, end};
    ::SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void RichEdit::SelectEnd() {
    const int end = TextLength();
    Select(end, end);
}

void RichEdit::ScrollToCaret() { ::SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0); }

void RichEdit::ReplaceSelection(std::string_view text) {
    // One insertion costs more than in proportion to its paragraphs in Wine's
    // control; pieces of a bounded number of paragraphs keep it linear.
    size_t start = 0;
    std::string piece;
    do {
        size_t end = start;
        for (int n = 0; n < kParagraphsPerInsert && end < text.size(); ++n) {
            const size_t cr = text.find('\r', end);
            end = cr == std::string_view::npos ? text.size() : cr + 1;
            if (end < text.size() && text[end] == '\n') ++end;  // a CR LF stays whole
        }
        piece.assign(text.substr(start, end - start));
        ::SendMessageA(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
        start = end;
    } while (start < text.size());
}

CHARFORMAT2A RichEdit::Format(WPARAM scope) const {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    ::SendMessageA(hwnd_, EM_GETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&cf));
    return cf;
}

void RichEdit::SetFormat(WPARAM scope, const CHARFORMAT2A& format) {
    CHARFORMAT2A cf = format;
    cf.cbSize = sizeof cf;
    ::SendMessageA(hwnd_, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&cf));
}

CHARFORMAT2A RichEdit::SelectionFormat() const { return Format(SCF_SELECTION); }

void RichEdit::SetSelectionFormat(const CHARFORMAT2A& format) { SetFormat(SCF_SELECTION, format); }

CHARFORMAT2A RichEdit::DefaultFormat() const { return Format(SCF_DEFAULT); }

void RichEdit::SetDefaultFormat(const CHARFORMAT2A& format) { SetFormat(SCF_DEFAULT, format); }

LOGFONTA FontOfCharFormat(const CHARFORMAT2A& cf, int dpiY) {
    LOGFONTA lf{};
    lf.lfHeight = -::MulDiv(cf.yHeight > 0 ? cf.yHeight : 160, dpiY, 1440);
    lf.lfWeight = (cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (cf.dwEffects & CFE_ITALIC) ? TRUE : FALSE;
    lf.lfUnderline = (cf.dwEffects & CFE_UNDERLINE) ? TRUE : FALSE;
    lf.lfStrikeOut = (cf.dwEffects & CFE_STRIKEOUT) ? TRUE : FALSE;
    lf.lfCharSet = cf.bCharSet;
    lf.lfPitchAndFamily = cf.bPitchAndFamily;
    lstrcpynA(lf.lfFaceName, cf.szFaceName, LF_FACESIZE);
    return lf;
}

CHARFORMAT2A FormatOfFont(const LOGFONTA& lf, COLORREF color, int dpiY) {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC |
                CFM_UNDERLINE | CFM_STRIKEOUT;
    const int height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    cf.yHeight = ::MulDiv(height, 1440, dpiY);
    if (lf.lfWeight >= FW_BOLD) cf.dwEffects |= CFE_BOLD;
    if (lf.lfItalic) cf.dwEffects |= CFE_ITALIC;
    if (lf.lfUnderline) cf.dwEffects |= CFE_UNDERLINE;
    if (lf.lfStrikeOut) cf.dwEffects |= CFE_STRIKEOUT;
    cf.crTextColor = color;
    cf.bCharSet = lf.lfCharSet;
    cf.bPitchAndFamily = lf.lfPitchAndFamily;
    lstrcpynA(cf.szFaceName, lf.lfFaceName, LF_FACESIZE);
    return cf;
}

CHARFORMAT2A RichEdit::RangeFormat(int start, int end) const {
    SelectionScope keep(hwnd_);
    CHARRANGE cr{start, end};
    ::SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    return SelectionFormat();
}

PARAFORMAT2 RichEdit::RangeParagraph(int start, int end) const {
    SelectionScope keep(hwnd_);
    CHARRANGE cr{start, end};
    ::SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    return SelectionParagraph();
}

PARAFORMAT2 RichEdit::SelectionParagraph() const {
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    ::SendMessageA(hwnd_, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    return pf;
}

void RichEdit::SetSelectionParagraph(const PARAFORMAT2& format) {
    PARAFORMAT2 pf = format;
    pf.cbSize = sizeof pf;
    ::SendMessageA(hwnd_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
}

void RichEdit::SetSelectionAlignment(WORD alignment) {
    PARAFORMAT2 pf{};
    pf.dwMask = PFM_ALIGNMENT;
    pf.wAlignment = alignment;
    SetSelectionParagraph(pf);
}

void RichEdit::SetSelectionTabStops(const std::vector<int>& points) {
    PARAFORMAT2 pf{};
    pf.dwMask = PFM_TABSTOPS;
    pf.cTabCount = static_cast<SHORT>(std::min<size_t>(points.size(), MAX_TAB_STOPS));
    for (int i = 0; i < pf.cTabCount; ++i) pf.rgxTabs[i] = points[static_cast<size_t>(i)] * 20;
    SetSelectionParagraph(pf);
}

std::string RichEdit::Rtf() const {
    std::string out;
    EDITSTREAM es{};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&out);
    es.pfnCallback = AppendToString;
    ::SendMessageA(hwnd_, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&es));
    if (es.dwError) throw std::runtime_error("The report could not be written as rich text");
    return out;
}

bool RichEdit::LoadRtf(std::string_view rtf) {
    // Checked here as well: a control that took non-RTF as text would not say so.
    if (!LooksLikeRtf(rtf)) return false;
    ReadCursor in{rtf};
    RedrawOff quiet(hwnd_);
    EDITSTREAM es{};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&in);
    es.pfnCallback = ReadFromBuffer;
    ::SendMessageA(hwnd_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
    return es.dwError == 0;
}

void RichEdit::LoadText(std::string_view text) {
    // One CR per line end, whatever the file used. The text goes in through
    // the same paced insertion as a report: one EM_STREAMIN of a long text
    // costs Wine's control time that grows with the square of the lines.
    // A NUL would end the insertion early, so it is left out.
    std::string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\0') continue;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines += text[i] == '\n' ? '\r' : text[i];
    }
    Clear();
    // Drawn once at the end: a shown control repaints and updates its bar
    // at every insertion, which nearly doubles the time under Wine.
    RedrawOff quiet(hwnd_);
    ReplaceSelection(lines);
    Select(0, 0);
}

void RichEdit::LoadRtfOrText(std::string_view bytes) {
    if (!LoadRtf(bytes)) LoadText(bytes);
}

void RichEdit::Print(HDC printer, const std::string& title) const {
    PrintRichEdit(*this, printer, title);
}

void RichEdit::Cut() { ::SendMessageA(hwnd_, WM_CUT, 0, 0); }

void RichEdit::Copy() { ::SendMessageA(hwnd_, WM_COPY, 0, 0); }

void RichEdit::PasteText() { ::SendMessageA(hwnd_, EM_PASTESPECIAL, CF_TEXT, 0); }

}  // namespace ui
