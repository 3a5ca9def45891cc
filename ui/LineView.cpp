#include "ui/LineView.h"

#include <algorithm>
#include <cstring>

#include "ui/Handles.h"

namespace ui {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

void LineView::Create(HWND parent, const Rect& r) { Create(parent, r, Options{}); }

void LineView::Create(HWND parent, const Rect& r, const Options& options) {
    readOnly_ = options.readOnly;
    CreateControl("LISTBOX", parent, r, "",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NODATA |
                      LBS_OWNERDRAWFIXED | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                  WS_EX_CLIENTEDGE);
    FitLines();
}

void LineView::FitLines() {
    WindowDC dc(hwnd_);
    SelectObjectScope font(dc.Get(), reinterpret_cast<HGDIOBJ>(::SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc.Get(), &metrics);
    ::SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, metrics.tmHeight);
}

void LineView::OnDpiChanged(int dpi) {
    Window::OnDpiChanged(dpi);
    FitLines();
}

void LineView::SetLines(std::string text) {
    text_ = std::move(text);
    Reindex();
    Show(0);
}

void LineView::Reindex() {
    starts_.clear();
    if (text_.empty()) return;
    starts_.push_back(0);
    for (size_t at = text_.find(kLineEnd); at != std::string::npos; at = text_.find(kLineEnd, at))
        starts_.push_back(at += kLineEnd.size());
}

std::string_view LineView::Line(size_t index) const {
    const size_t start = starts_[index];
    const size_t end = index + 1 < starts_.size() ? starts_[index + 1] - kLineEnd.size() : text_.size();
    return std::string_view(text_).substr(start, end - start);
}

std::vector<std::string> LineView::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(starts_.size());
    for (size_t i = 0; i < starts_.size(); ++i) lines.emplace_back(Line(i));
    return lines;
}

std::vector<size_t> LineView::Selected() const {
    const LRESULT count = ::SendMessageA(hwnd_, LB_GETSELCOUNT, 0, 0);
    if (count <= 0) return {};
    std::vector<int> items(static_cast<size_t>(count));
    const LRESULT got = ::SendMessageA(hwnd_, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                       reinterpret_cast<LPARAM>(items.data()));
    items.resize(got > 0 ? static_cast<size_t>(got) : 0);
    std::sort(items.begin(), items.end());
    return std::vector<size_t>(items.begin(), items.end());
}

void LineView::SelectAll() { ::SendMessageA(hwnd_, LB_SETSEL, TRUE, -1); }

void LineView::CopySelected() {
    std::string copied;
    for (const size_t i : Selected()) {
        if (!copied.empty()) copied.append(kLineEnd);
        copied.append(Line(i));
    }
    if (copied.empty() || !::OpenClipboard(hwnd_)) return;
    ::EmptyClipboard();
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, copied.size() + 1)) {
        std::memcpy(::GlobalLock(memory), copied.c_str(), copied.size() + 1);
        ::GlobalUnlock(memory);
        if (!::SetClipboardData(CF_TEXT, memory)) ::GlobalFree(memory);
    }
    ::CloseClipboard();
}

void LineView::DeleteSelected() {
    const std::vector<size_t> selected = Selected();
    if (selected.empty()) return;
    const auto top = static_cast<size_t>(std::max<LRESULT>(0, ::SendMessageA(hwnd_, LB_GETTOPINDEX, 0, 0)));
    std::string kept;
    kept.reserve(text_.size());
    auto next = selected.begin();
    bool first = true;
    for (size_t i = 0; i < starts_.size(); ++i) {
        if (next != selected.end() && *next == i) {
            ++next;
            continue;
        }
        if (!first) kept.append(kLineEnd);
        first = false;
        kept.append(Line(i));
    }
    text_ = std::move(kept);
    Reindex();
    Show(std::min(top, Count() ? Count() - 1 : 0));
}

void LineView::Show(size_t top) {
    ::SendMessageA(hwnd_, LB_SETCOUNT, starts_.size(), 0);
    // Wide enough for the longest line, measured once for the view.
    size_t longest = 0, widest = 0;
    for (size_t i = 0; i < starts_.size(); ++i) {
        if (Line(i).size() > widest) {
            widest = Line(i).size();
            longest = i;
        }
    }
    int extent = 0;
    if (widest > 0) {
        WindowDC dc(hwnd_);
        SelectObjectScope font(dc.Get(), reinterpret_cast<HGDIOBJ>(::SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
        SIZE size{};
        const std::string_view line = Line(longest);
        ::GetTextExtentPoint32A(dc.Get(), line.data(), static_cast<int>(line.size()), &size);
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc.Get(), &metrics);
        // Proportional text: the line with most characters is not always the widest.
        extent = std::max<int>(size.cx, static_cast<int>(widest) * metrics.tmAveCharWidth) + 8;
    }
    ::SendMessageA(hwnd_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
    if (top > 0) ::SendMessageA(hwnd_, LB_SETTOPINDEX, top, 0);
}

bool LineView::OnDrawItem(DRAWITEMSTRUCT* dis) {
    if (dis->itemID == static_cast<UINT>(-1) || dis->itemID >= starts_.size()) return true;
    const bool selected = dis->itemState & ODS_SELECTED;
    ::SetBkColor(dis->hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::SetTextColor(dis->hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::string_view line = Line(dis->itemID);
    ::ExtTextOutA(dis->hDC, dis->rcItem.left + 2, dis->rcItem.top, ETO_OPAQUE | ETO_CLIPPED,
                  &dis->rcItem, line.data(), static_cast<UINT>(line.size()), nullptr);
    if (dis->itemState & ODS_FOCUS) ::DrawFocusRect(dis->hDC, &dis->rcItem);
    return true;
}

bool LineView::BeforeControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) noexcept {
    switch (msg) {
    case WM_GETTEXTLENGTH:
        result = static_cast<LRESULT>(text_.size());
        return true;
    case WM_GETTEXT: {
        const size_t room = static_cast<size_t>(wp);
        if (room == 0) return result = 0, true;
        const size_t n = std::min(room - 1, text_.size());
        std::memcpy(reinterpret_cast<char*>(lp), text_.data(), n);
        reinterpret_cast<char*>(lp)[n] = '\0';
        result = static_cast<LRESULT>(n);
        return true;
    }
    case WM_KEYDOWN: {
        const bool control = ::GetKeyState(VK_CONTROL) < 0;
        if (wp == VK_DELETE && !readOnly_) {
            RunCommand([this] { DeleteSelected(); });
        } else if (control && wp == 'A') {
            SelectAll();
        } else if (control && (wp == 'C' || wp == VK_INSERT)) {
            RunCommand([this] { CopySelected(); });
        } else {
            return false;
        }
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

}  // namespace ui
