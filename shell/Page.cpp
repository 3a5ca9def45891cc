#include "shell/Page.h"

#include "app/MainForm.h"

namespace zarvik {

NotebookPage::NotebookPage(TForm1& form, ui::TabSheet& sheet)
    : form_(form), app_(form.App()), sheet_(sheet) {}

NotebookPage::~NotebookPage() = default;

}  // namespace zarvik
