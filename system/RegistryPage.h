#pragma once
// The "Registry Services" page: start-up entries, shell-open commands and
// file types from the registry.
#include "app/Page.h"

namespace zarvik {

class RegistryPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Registry Services";
    using NotebookPage::NotebookPage;
    void Create() override;
};

}  // namespace zarvik
