// The Generate Report buttons of the system pages: each sends its page's
// list to the Reporting Tool under its heading.
#include "app/Application.h"
#include "report/Unit2.h"
#include "system/AdditionalPage.h"
#include "system/ProcessListPage.h"
#include "system/RegistryPage.h"

namespace zarvik {

void ProcessListPage::Button15Click() {
    // Tabs between the titles, as between the fields of the window list.
    app_.Form2().AppendReportBlock("Proc.ID\tProcess Name\tClass Name\tWindow Handle",
                                   ListBox7.Items());
}

void RegistryPage::Button54Click() {
    app_.Form2().AppendReportBlock("Registry Shell Applications", ListBox14.Items());
}

void AdditionalPage::Button55Click() {
    app_.Form2().AppendReportBlock("CurrentControlSetServices", ListBox9.Items());
}

}  // namespace zarvik
