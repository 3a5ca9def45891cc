#pragma once
// A notebook page of the main window as one unit: its controls under their
// designed names, their layout and event wiring as one table (ui/Layout.h),
// and its commands. A page lives in its subsystem's folder and is created on
// its TabSheet by TForm1. It reaches the program only through its context
// (shell/PageContext.h); what it needs of another page, the composition
// root hands it as a list or a function.
#include <string>

#include "shell/PageContext.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

namespace zarvik {

// The large bold title most pages carry, with its red shadow.
inline constexpr ui::Rect kPageTitleRect{10, 4, 400, 32};
inline constexpr ui::Label::Style kPageTitle{
    .color = RGB(0, 0, 0), .height = 24, .bold = true, .shadow = true};

class NotebookPage {
public:
    NotebookPage(const PageContext& context, ui::TabSheet& sheet);
    virtual ~NotebookPage();
    NotebookPage(const NotebookPage&) = delete;
    NotebookPage& operator=(const NotebookPage&) = delete;

    ui::TabSheet& Sheet() const { return sheet_; }

    // Creates the page's controls on its sheet and wires their events. Runs
    // once every page has its tab, since the rows of tabs set the page area.
    virtual void Create() = 0;
    // The page's part of FormCreate, in tab order, once the log is open.
    virtual void Start() {}

protected:
    // The sheet's client area, where the rows go (at 96 DPI, as the rows).
    ui::Rect Area() const { return sheet_.DesignedClientArea(); }

    // The owner of the page's message boxes: the main window.
    HWND Owner() const;
    // A command's error, shown as every command's error is.
    void ShowError(const std::string& message) const;

    const PageContext context_;
    const Session& session_;
    Prompts& prompts_;
    ReportSink& reports_;
    FileViewer& viewer_;
    StatusLine& status_;

private:
    ui::TabSheet& sheet_;
};

// Where a list page (Windows Files, the result pages...) puts its title, its
// list, its description and its Generate Report button.
struct ListPageLayout {
    explicit ListPageLayout(const ui::Rect& area)
        : list{10, 40, area.w - 300, area.h - 48},
          description{area.w - 280, 40, 270, area.h - 90},
          report{area.w - 280, area.h - 40, 130, 25} {}
    ui::Rect title = kPageTitleRect;
    ui::Rect list, description, report;
};

// The read-only description memo of a list page.
inline constexpr ui::Memo::Options kDescription{.readOnly = true, .vScroll = false};

}  // namespace zarvik
