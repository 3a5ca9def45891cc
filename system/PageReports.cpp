// The Generate Report buttons of the system pages: each sends its page's
// list to the Reporting Tool under its heading.
#include "system/AdditionalPage.h"
#include "system/ProcessListPage.h"
#include "system/RegistryPage.h"

namespace zarvik {

void ProcessListPage::Button15Click() {
    // Tabs between the titles, as between the fields of the window list.
    reports_.AppendReportBlock("Proc.ID\tProcess Name\tClass Name\tWindow Handle",
                                   ListBox7.Items());
}

void RegistryPage::Button54Click() {
    reports_.AppendReportBlock("Registry Shell Applications", ListBox14.Items());
}

void AdditionalPage::Button55Click() {
    reports_.AppendReportBlock("CurrentControlSetServices", ListBox9.Items());
}

}  // namespace zarvik
