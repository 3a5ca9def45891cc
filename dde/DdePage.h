#pragma once
// The "DDE Services" page: a DDE client and server for testing other programs.
#include "app/Page.h"

namespace zarvik {

class DdePage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "DDE Services";
    using NotebookPage::NotebookPage;
    void Create() override;
};

}  // namespace zarvik
