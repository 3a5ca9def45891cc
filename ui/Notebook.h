#pragma once
// The notebook: a tab control whose pages are child windows.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Window.h"

namespace ui {

class PageControl;

// One notebook page: a child window titled with the page's caption that
// parents the page's controls.
class TabSheet : public Window {
public:
    const std::string& Caption() const { return caption_; }
    Event OnEnter;

private:
    friend class PageControl;
    std::string caption_;
};

class PageControl : public Window {
public:
    void Create(HWND parent, const Rect& r);
    TabSheet& AddPage(std::string_view caption);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet& Page(int index) { return *pages_[static_cast<size_t>(index)]; }
    int ActivePageIndex() const;
    void SetActivePage(int index);
    void SetActivePage(const TabSheet& page);
    TabSheet& ActivePage() { return Page(ActivePageIndex()); }
    Event OnChange;

protected:
    bool OnNotify(NMHDR* hdr, LRESULT& result) override;
    void OnDpiChanged(int dpi) override;

private:
    void LayoutPages();
    std::vector<std::unique_ptr<TabSheet>> pages_;
};

}  // namespace ui
