#include "shell/Page.h"

#include "shell/ProductTexts.h"

namespace zarvik {

NotebookPage::NotebookPage(const PageContext& context, ui::TabSheet& sheet)
    : context_(context),
      session_(context.session),
      prompts_(context.prompts),
      reports_(context.reports),
      viewer_(context.viewer),
      status_(context.status),
      sheet_(sheet) {}

NotebookPage::~NotebookPage() = default;

HWND NotebookPage::Owner() const { return context_.owner.Handle(); }

void NotebookPage::ShowError(const std::string& message) const {
    prompts_.ShowError(Owner(), message, kProductTitle);
}

}  // namespace zarvik
