#include "system/ProcessListPage.h"

namespace zarvik {

void ProcessListPage::Create() {
    ui::Lay(*this, Sheet(),
            {
                {Label10, kPageTitleRect, "Process List", kPageTitle},
                {ListBox7, {10, 40, 765, 209}, {.tabStops = true}},
                {Button15, {10, 256, 130, 25}, "Generate Report", &ProcessListPage::Button15Click},
            });
}

}  // namespace zarvik
