#pragma once
// The "About" page: a read-only help text.
#include "shell/Page.h"

namespace zarvik {

class AboutPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "About";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Title;
    ui::Memo Memo12;
};

}  // namespace zarvik
