#include "ui/Controls.h"

#include <commctrl.h>

#include <stdexcept>

#include "core/TextHelpers.h"
#include "ui/Dpi.h"

namespace ui {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

void Fire(const Event& e) { RunCommand(e); }

std::string SendText(HWND hwnd, UINT lenMsg, UINT textMsg, int index) {
    LRESULT len = ::SendMessageA(hwnd, lenMsg, static_cast<WPARAM>(index), 0);
    if (len <= 0) return {};
    std::string s(static_cast<size_t>(len) + 1, '\0');
    LRESULT got = ::SendMessageA(hwnd, textMsg, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(s.data()));
    s.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return s;
}

// The font a control draws with; the system font when it was given none.
HGDIOBJ FontOf(HWND hwnd) {
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0));
    return font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(SYSTEM_FONT);
}

}  // namespace

// --- Button, CheckBox -----------------------------------------------------

void Button::Create(HWND parent, const Rect& r, std::string_view caption) {
    CreateControl("BUTTON", parent, r, caption, kChild | WS_TABSTOP | BS_PUSHBUTTON);
}

void Button::Click() { Fire(OnClick); }

void Button::OnCommand(WORD code) {
    if (code == BN_CLICKED) Fire(OnClick);
}

void CheckBox::Create(HWND parent, const Rect& r, std::string_view caption) {
    CreateControl("BUTTON", parent, r, caption, kChild | WS_TABSTOP | BS_AUTOCHECKBOX);
}

bool CheckBox::Checked() const {
    return ::SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    ::SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::OnCommand(WORD code) {
    if (code == BN_CLICKED) Fire(OnClick);
}

// --- Label ----------------------------------------------------------------

void Label::Create(HWND parent, const Rect& r, std::string_view caption) {
    Create(parent, r, caption, Style{});
}

void Label::Create(HWND parent, const Rect& r, std::string_view caption, const Style& style) {
    style_ = style;
    // Owner-drawn so colour, shadow and transparency need no sibling tricks.
    CreateControl("STATIC", parent, r, caption, kChild | SS_OWNERDRAW | SS_NOTIFY);
    if (style.height || style.bold || style.italic) MakeFont(DpiOf(parent));
}

void Label::MakeFont(int dpi) {
    LOGFONTA lf = DialogLogFont(dpi);
    if (style_.height) lf.lfHeight = -Scale(style_.height, dpi);
    if (style_.bold) lf.lfWeight = FW_BOLD;
    lf.lfItalic = style_.italic ? TRUE : FALSE;
    // The control lets go of the old font before it is deleted.
    FontHandle font(::CreateFontIndirectA(&lf));
    SetFont(font.Get());
    font_ = std::move(font);
}

void Label::OnDpiChanged(int dpi) {
    if (font_) {
        MakeFont(dpi);
    } else {
        Window::OnDpiChanged(dpi);
    }
}

bool Label::OnDrawItem(DRAWITEMSTRUCT* dis) {
    HDC dc = dis->hDC;
    RECT rc = dis->rcItem;
    ::FillRect(dc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    std::string text = Text();
    SelectObjectScope font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
    ::SetBkMode(dc, TRANSPARENT);
    const UINT fmt = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK;
    ::SetTextColor(dc, style_.color);
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rc, fmt);
    if (style_.shadow) {
        const int offset = Scale(2, DpiOf(hwnd_));
        ::OffsetRect(&rc, offset, offset);
        ::SetTextColor(dc, RGB(255, 0, 0));
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rc, fmt);
    }
    return true;
}

void Label::OnCommand(WORD code) {
    if (code == STN_DBLCLK) Fire(OnDblClick);
}

// --- Edit, Memo -----------------------------------------------------------

void Edit::Create(HWND parent, const Rect& r, std::string_view text) {
    Create(parent, r, text, Options{});
}

void Edit::Create(HWND parent, const Rect& r, std::string_view text, const Options& o) {
    CreateControl("EDIT", parent, r, text,
                  kChild | WS_TABSTOP | ES_AUTOHSCROLL | (o.readOnly ? ES_READONLY : 0),
                  WS_EX_CLIENTEDGE);
}

void Edit::SetReadOnly(bool readOnly) {
    ::SendMessageA(hwnd_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void Edit::OnCommand(WORD code) {
    if (code == EN_CHANGE) Fire(OnChange);
}

// The edit control tells its parent of no double-click.
void Edit::AfterControlMessage(UINT msg) noexcept {
    if (msg == WM_LBUTTONDBLCLK) Fire(OnDblClick);
}

void Memo::Create(HWND parent, const Rect& r, const std::vector<std::string>& lines,
                  const Options& o) {
    DWORD style = kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (o.readOnly) style |= ES_READONLY;
    if (o.vScroll) style |= WS_VSCROLL;
    if (o.hScroll) style |= WS_HSCROLL;
    if (!o.wordWrap) style |= ES_AUTOHSCROLL;
    CreateControl("EDIT", parent, r, "", style, WS_EX_CLIENTEDGE);
    // Edit controls stop at 32K characters by default; the log view is larger.
    ::SendMessageA(hwnd_, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    SetLines(lines);
}

std::vector<std::string> Memo::Lines() const { return zarvik::SplitLines(Text()); }

void Memo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += lines[i];
    }
    SetText(text);
}

void Memo::AppendLine(std::string_view line) {
    const int end = ::GetWindowTextLengthA(hwnd_);
    const std::string text = (end ? "\r\n" : "") + std::string(line);
    ::SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(end), end);
    ::SendMessageA(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

// --- ListBox, ComboBox ----------------------------------------------------

void ListBox::Create(HWND parent, const Rect& r) { Create(parent, r, Options{}); }

void ListBox::Create(HWND parent, const Rect& r, const Options& o) {
    DWORD style = kChild | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (o.sorted) style |= LBS_SORT;
    if (o.vScroll) style |= WS_VSCROLL;
    if (o.hScroll) style |= WS_HSCROLL;
    if (o.tabStops) style |= LBS_USETABSTOPS;
    CreateControl("LISTBOX", parent, r, "", style, WS_EX_CLIENTEDGE);
    hScroll_ = o.hScroll;
    tabStops_ = o.tabStops;
}

void ListBox::Widen(const std::string* first, size_t count) {
    if (!hScroll_ || count == 0) return;
    WindowDC dc(hwnd_);
    SelectObjectScope select(dc.Get(), FontOf(hwnd_));
    int widest = widest_;
    for (const std::string* s = first; s != first + count; ++s) {
        const int length = static_cast<int>(s->size());
        int width = 0;
        if (tabStops_) {
            width = LOWORD(::GetTabbedTextExtentA(dc.Get(), s->c_str(), length, 0, nullptr));
        } else {
            SIZE size{};
            ::GetTextExtentPoint32A(dc.Get(), s->c_str(), length, &size);
            width = size.cx;
        }
        if (width > widest) widest = width;
    }
    if (widest == widest_) return;
    widest_ = widest;
    // A few pixels more, so the last letter is not against the border.
    ::SendMessageA(hwnd_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_ + 6), 0);
}

int ListBox::Count() const { return static_cast<int>(::SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)); }

std::string ListBox::Item(int index) const {
    return SendText(hwnd_, LB_GETTEXTLEN, LB_GETTEXT, index);
}

std::vector<std::string> ListBox::Items() const {
    std::vector<std::string> items;
    const int n = Count();
    items.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) items.push_back(Item(i));
    return items;
}

void ListBox::Add(std::string_view text) {
    std::string s(text);
    ::SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    Widen(&s, 1);
}

void ListBox::SetItems(const std::vector<std::string>& items) {
    RedrawOff quiet(hwnd_);
    Clear();
    size_t bytes = 0;
    for (const std::string& s : items) bytes += s.size() + 1;
    ::SendMessageA(hwnd_, LB_INITSTORAGE, items.size(), static_cast<LPARAM>(bytes));
    for (const std::string& s : items)
        ::SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    Widen(items.data(), items.size());
}

void ListBox::Delete(int index) {
    ::SendMessageA(hwnd_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void ListBox::Clear() {
    ::SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    if (hScroll_ && widest_ != 0) {
        widest_ = 0;
        ::SendMessageA(hwnd_, LB_SETHORIZONTALEXTENT, 0, 0);
    }
}

int ListBox::ItemIndex() const {
    return static_cast<int>(::SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
    ::SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The control counts tab stops in quarters of its font's average character
// width.
void ListBox::SetTabStopPixels(int pixels) {
    WindowDC dc(hwnd_);
    SelectObjectScope select(dc.Get(), FontOf(hwnd_));
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size{};
    ::GetTextExtentPoint32A(dc.Get(), kAlphabet, 52, &size);
    const int average = size.cx > 0 ? (size.cx / 26 + 1) / 2 : 6;
    int tabWidth = ::MulDiv(Scale(pixels, DpiOf(hwnd_)), 4, average);
    ::SendMessageA(hwnd_, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabWidth));
}

void ListBox::OnCommand(WORD code) {
    if (code == LBN_SELCHANGE) Fire(OnClick);
    if (code == LBN_DBLCLK) Fire(OnDblClick);
}

bool ListBox::OnContextMenu(int x, int y) {
    if (!popup_) return false;
    if (x == -1 && y == -1) {  // the menu key: at the list's corner, on the selection
        RECT rc{};
        ::GetWindowRect(hwnd_, &rc);
        x = rc.left;
        y = rc.top;
    } else {
        // A right-click acts on the entry under the cursor, so the menu's
        // command never reaches an entry chosen before; below the last
        // entry it chooses none.
        POINT at{x, y};
        ::ScreenToClient(hwnd_, &at);
        const LRESULT hit = ::SendMessageA(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
        int index = HIWORD(hit) == 0 ? static_cast<int>(LOWORD(hit)) : -1;
        RECT item{};  // the nearest entry is not always the one under the cursor
        if (index >= 0 && (::SendMessageA(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(&item)) == LB_ERR ||
                           !::PtInRect(&item, at)))
            index = -1;
        if (index != ItemIndex()) {
            SetItemIndex(index);
            Fire(OnClick);
        }
    }
    popup_->Popup(hwnd_, x, y);
    return true;
}

void ComboBox::Create(HWND parent, const Rect& r) {
    CreateControl("COMBOBOX", parent, {r.x, r.y, r.w, r.h + 200}, "",
                  kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
}

int ComboBox::Count() const {
    return static_cast<int>(::SendMessageA(hwnd_, CB_GETCOUNT, 0, 0));
}

std::string ComboBox::Item(int index) const {
    return SendText(hwnd_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

void ComboBox::Add(std::string_view text) {
    std::string s(text);
    ::SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
}

void ComboBox::Clear() { ::SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0); }

int ComboBox::ItemIndex() const {
    return static_cast<int>(::SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
}

void ComboBox::SetItemIndex(int index) {
    ::SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComboBox::OnCommand(WORD code) {
    if (code == CBN_SELCHANGE) Fire(OnChange);
}

// --- StatusBar, UpDown, TrackBar, Panel -----------------------------------

void StatusBar::Create(HWND parent) {
    CreateControl(STATUSCLASSNAMEA, parent, {}, "", kChild);
    int parts[] = {-1};
    ::SendMessageA(hwnd_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
}

void StatusBar::SetSimpleText(std::string_view text) {
    std::string s(text);
    ::SendMessageA(hwnd_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(s.c_str()));
}

void StatusBar::OnDpiChanged(int dpi) {
    Window::OnDpiChanged(dpi);
    // Its height follows the new font; WM_SIZE puts it along the bottom again.
    ::SendMessageA(hwnd_, WM_SIZE, 0, 0);
}

bool StatusBar::OnNotify(NMHDR* hdr, LRESULT&) {
    if (hdr->code == static_cast<UINT>(NM_DBLCLK)) {
        Fire(OnDblClick);
        return true;
    }
    return false;
}

void UpDown::Create(HWND parent, const Rect& r, Window& buddy, const Options& o) {
    DWORD style = kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
    if (!o.thousands) style |= UDS_NOTHOUSANDS;
    if (o.wrap) style |= UDS_WRAP;
    CreateControl(UPDOWN_CLASSA, parent, r, "", style);
    ::SendMessageA(hwnd_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy.Handle()), 0);
    ::SendMessageA(hwnd_, UDM_SETRANGE32, static_cast<WPARAM>(o.min), static_cast<LPARAM>(o.max));
    SetPosition(o.position);
}

int UpDown::Position() const {
    return static_cast<int>(::SendMessageA(hwnd_, UDM_GETPOS32, 0, 0));
}

void UpDown::SetPosition(int position) {
    ::SendMessageA(hwnd_, UDM_SETPOS32, 0, static_cast<LPARAM>(position));
    position_ = Position();
}

void UpDown::OnDpiChanged(int dpi) {
    Window::OnDpiChanged(dpi);
    // Attached again: it takes its place at the buddy's right edge, as when made.
    ::SendMessageA(hwnd_, UDM_SETBUDDY, ::SendMessageA(hwnd_, UDM_GETBUDDY, 0, 0), 0);
}

// The control sends a scroll code per click and one at its end, whether or
// not the position moved (an arrow at the end of the range).
void UpDown::OnScroll(WORD) {
    const int now = Position();
    if (now == position_) return;
    position_ = now;
    Fire(OnChange);
}

void TrackBar::Create(HWND parent, const Rect& r, int min, int max, int position) {
    CreateControl(TRACKBAR_CLASSA, parent, r, "", kChild | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS);
    ::SendMessageA(hwnd_, TBM_SETRANGEMIN, FALSE, min);
    ::SendMessageA(hwnd_, TBM_SETRANGEMAX, TRUE, max);
    SetPosition(position);
}

int TrackBar::Position() const {
    return static_cast<int>(::SendMessageA(hwnd_, TBM_GETPOS, 0, 0));
}

void TrackBar::SetPosition(int position) {
    ::SendMessageA(hwnd_, TBM_SETPOS, TRUE, position);
    position_ = Position();
}

void TrackBar::OnScroll(WORD) {
    const int now = Position();
    if (now == position_) return;
    position_ = now;
    Fire(OnChange);
}

void Panel::Create(HWND parent, const Rect& r, std::string_view caption, bool bevel) {
    CreateOwn(parent, r, caption, kChild | WS_CLIPSIBLINGS, bevel ? WS_EX_STATICEDGE : 0);
}

// --- PopupMenu, Image -----------------------------------------------------

PopupMenu::PopupMenu() : menu_(::CreatePopupMenu()) {}

void PopupMenu::AddItem(std::string_view caption, Event onClick) {
    std::string s(caption);
    items_.push_back(std::move(onClick));
    ::AppendMenuA(menu_.Get(), MF_STRING, items_.size(), s.c_str());
}

std::string PopupMenu::Caption(int index) const {
    char text[256] = "";
    ::GetMenuStringA(menu_.Get(), static_cast<UINT>(index + 1), text, sizeof text, MF_BYCOMMAND);
    return text;
}

void PopupMenu::Choose(int index) {
    if (index >= 0 && index < Count()) Fire(items_[static_cast<size_t>(index)]);
}

void PopupMenu::AddSeparator() { ::AppendMenuA(menu_.Get(), MF_SEPARATOR, 0, nullptr); }

void PopupMenu::Popup(HWND owner, int x, int y) {
    UINT id = static_cast<UINT>(::TrackPopupMenu(
        menu_.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN, x, y, 0, owner, nullptr));
    if (id >= 1 && id <= items_.size()) Fire(items_[id - 1]);
}

void Image::Create(HWND parent, const Rect& r) {
    CreateControl("STATIC", parent, r, "", kChild | SS_CENTERIMAGE | SS_ICON | SS_NOTIFY);
}

void Image::OnCommand(WORD code) {
    if (code == STN_DBLCLK) Fire(OnDblClick);
}

void Image::SetIcon(IconHandle icon) {
    icon_ = std::move(icon);
    ::SendMessageA(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(icon_.Get()), 0);
}

void Image::SetBitmap(BitmapHandle bitmap) {
    bitmap_ = std::move(bitmap);
    ::SetWindowLongA(hwnd_, GWL_STYLE,
                     (::GetWindowLongA(hwnd_, GWL_STYLE) & ~SS_TYPEMASK) | SS_BITMAP);
    ::SendMessageA(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_.Get()));
}

void Image::Clear() {
    ::SendMessageA(hwnd_, STM_SETICON, 0, 0);
    icon_.Reset();
    bitmap_.Reset();
}

}  // namespace ui
