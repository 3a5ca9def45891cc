#pragma once
// The "Registry Services" page: what the machine starts from the Run,
// RunOnce and RunServices keys, the shell-open command of executables and
// every class with a shell-open command. Its rebuild also reads the services,
// into the source the Additional page shows them from.
#include <string>
#include <vector>

#include "shell/Page.h"
#include "shell/Registry.h"
#include "system/ServicesSource.h"

namespace zarvik {

class RegistryPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Registry Services";
    RegistryPage(const PageContext& context, ui::TabSheet& sheet, ServicesSource& services)
        : NotebookPage(context, sheet), services_(services) {}
    void Create() override;

    ui::Label RunLabel;
    ui::ListBox ListBox10;
    ui::Edit Edit9;
    ui::Label RunOnceLabel;
    ui::ListBox ListBox12;
    ui::Edit Edit10;
    ui::Label RunServicesLabel;
    ui::ListBox ListBox13;
    ui::Edit Edit12;
    ui::Label ShellApplicationsLabel;
    ui::ListBox ListBox14;
    ui::Label ShellOpenCommandLabel;
    ui::Edit Edit11;
    ui::Button Button16;  // Repair
    ui::Button Button29;  // Refresh Lists
    ui::Button Button54;  // Generate Report
    ui::Memo Memo11;      // help text
    ui::PopupMenu PopupMenu1, PopupMenu2, PopupMenu3;

    void TabSheet14Show();
    // Reads everything afresh: the three start-up lists, the shell
    // applications, the shell-open command and the Additional page's
    // services. A value that is not text is reported once and left out.
    void RebuildRegistryLists();
    void ListShellApplications(ui::ListBox& list);
    void ListBox10Click();
    void ListBox12Click();
    void ListBox13Click();
    void RemoveSelected1Click();
    void RemoveSelected2Click();
    void RemoveSelected3Click();
    void Button16Click();  // Repair
    void Button29Click();  // Refresh Lists
    void Button54Click();  // Generate Report
    // Double-clicks: the file a start-up field names, or the program of a
    // shell application, in the File Viewer.
    void Edit9DblClick();
    void Edit10DblClick();
    void Edit12DblClick();
    void ListBox14DblClick();

private:
    // A start-up list's line stands for one value of one registry view; on
    // 64-bit Windows both views are listed, the 32-bit one's lines marked.
    struct StartupEntry {
        std::string name;
        RegistryView view = RegistryView::Default;
    };
    using StartupEntries = std::vector<StartupEntry>;

    void ListStartupKey(ui::ListBox& list, const char* key, StartupEntries& entries);
    // The value a line stands for; a line the page did not list is taken as
    // a name of the one view.
    static StartupEntry EntryAt(const ui::ListBox& list, const StartupEntries& entries, int index);
    // Adds the messages of the values left out to `skipped`, each once.
    void ListShellApplications(ui::ListBox& list, std::vector<std::string>& skipped);
    void ShowSelectedValue(const ui::ListBox& list, const StartupEntries& entries, const char* key,
                           ui::Edit& field, RegistryView& shown);
    void RemoveSelected(const ui::ListBox& list, const StartupEntries& entries, const char* key);
    void OpenStartupFile(const ui::Edit& field, RegistryView view);

    ServicesSource& services_;
    StartupEntries runEntries_, runOnceEntries_, runServicesEntries_;
    // The view of the value each start-up field shows, whose files it names.
    RegistryView edit9View_{}, edit10View_{}, edit12View_{};
};

}  // namespace zarvik
