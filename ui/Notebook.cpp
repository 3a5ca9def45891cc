#include "ui/Notebook.h"

#include <commctrl.h>

namespace ui {

void PageControl::Create(HWND parent, const Rect& r) {
    CreateControl(WC_TABCONTROLA, parent, r, "",
                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_MULTILINE | WS_TABSTOP);
}

TabSheet& PageControl::AddPage(std::string_view caption) {
    auto page = std::make_unique<TabSheet>();
    page->caption_ = std::string(caption);
    std::string text(caption);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    const int index = static_cast<int>(pages_.size());
    ::SendMessageA(hwnd_, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item));
    // The page is a child of the tab control so its controls move with it;
    // its own window procedure reflects their notifications.
    page->CreateOwn(hwnd_, {}, caption, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                    WS_EX_CONTROLPARENT);
    pages_.push_back(std::move(page));
    LayoutPages();
    if (index == 0) SetActivePage(0);
    return *pages_.back();
}

void PageControl::LayoutPages() {
    RECT rc{};
    ::GetClientRect(hwnd_, &rc);
    ::SendMessageA(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
    for (auto& p : pages_) {
        ::MoveWindow(p->Handle(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    }
}

void PageControl::OnDpiChanged(int dpi) {
    Window::OnDpiChanged(dpi);
    // The tabs' rows have a new height.
    LayoutPages();
}

int PageControl::ActivePageIndex() const {
    return static_cast<int>(::SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0));
}

void PageControl::SetActivePage(int index) {
    if (index < 0 || index >= PageCount()) return;
    ::SendMessageA(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    // Multi-line tabs may change rows when the selection moves.
    LayoutPages();
    for (int i = 0; i < PageCount(); ++i) {
        ::ShowWindow(pages_[static_cast<size_t>(i)]->Handle(), i == index ? SW_SHOW : SW_HIDE);
    }
    RunCommand(pages_[static_cast<size_t>(index)]->OnEnter);
}

void PageControl::SetActivePage(const TabSheet& page) {
    for (int i = 0; i < PageCount(); ++i) {
        if (pages_[static_cast<size_t>(i)].get() == &page) SetActivePage(i);
    }
}

bool PageControl::OnNotify(NMHDR* hdr, LRESULT& result) {
    if (hdr->code == static_cast<UINT>(TCN_SELCHANGE)) {
        SetActivePage(ActivePageIndex());
        RunCommand(OnChange);
        result = 0;
        return true;
    }
    return false;
}

}  // namespace ui
