#pragma once
// The "View Process List" page: the desktop's windows with their processes.
#include "app/Page.h"

namespace zarvik {

class ProcessListPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "View Process List";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Label10;  // title
    ui::ListBox ListBox7;  // the window list
    ui::Button Button15;   // Generate Report
    void Button15Click();
};

}  // namespace zarvik
