#include "filelist/OptionalDirectoriesPage.h"

#include <string>
#include <vector>

#include "core/TreeWalk.h"
#include "filelist/FileListCommands.h"

namespace zarvik {

void OptionalDirectoriesPage::Create() {
    const int h = Area().h;
    using P = OptionalDirectoriesPage;
    ui::Lay(*this, Sheet(),
            {
                {Title, kPageTitleRect, "Optional Directories", kPageTitle},
                {ListBox11, {10, 40, 330, h - 48}, {.hScroll = true}},
                {Button1, {350, 40, 130, 25}, "<----Add Dir <----", &P::Button1Click},
                {CheckBox2, {344, 70, 144, 20}, "Include Subdirectories"},
                {Button2, {350, 96, 130, 25}, "Remove Dir", &P::Button2Click},
                {Button3, {350, 128, 130, 25}, "Clear All", &P::Button3Click},
                {Button5, {350, 160, 130, 25}, "Commit", &P::Button5Click},
                {Button33, {350, h - 40, 130, 25}, "Generate Report", &P::Button33Click},
                {Edit1, {490, 40, 285, 21}, "", {.readOnly = true}},
                {DirectoryListBox1, {490, 66, 285, h - 180}, &P::DirectoryListBox1Change},
                {Memo14, {490, h - 108, 285, 100},
                 {"Use this screen to select other directories to log.",
                  "This should be done before building the File List.  Once files are "
                  "selected, click on the  ",
                  "Commit Button and all previous optional file entries will be removed and "
                  "the file list section for ",
                  "Optional Files will be rebuilt."},
                 {.readOnly = true, .vScroll = true}},
            });
}

void OptionalDirectoriesPage::Start() {
    DirectoryListBox1.SetDirectory("C:\\");
    Edit1.SetText(DirectoryListBox1.Directory());
}

void OptionalDirectoriesPage::Button1Click() {
    ListBox11.Add(ChosenEntryText({DirectoryListBox1.Directory(), CheckBox2.Checked()}));
}

void OptionalDirectoriesPage::Button2Click() {
    const int selected = ListBox11.ItemIndex();
    if (selected >= 0) ListBox11.Delete(selected);
}

void OptionalDirectoriesPage::Button3Click() { ListBox11.Clear(); }

void OptionalDirectoriesPage::Button5Click() {
    std::vector<ChosenDirectory> chosen;
    for (const std::string& entry : ListBox11.Items()) chosen.push_back(ChosenFromEntry(entry));
    CommitOptionalDirectories(context_, lists_, chosen, reloadLogView_);
}

void OptionalDirectoriesPage::Button33Click() {
    reports_.AppendReportBlock("Optional directories logged:", ListBox11.Items());
}

void OptionalDirectoriesPage::DirectoryListBox1Change() {
    Edit1.SetText(DirectoryListBox1.Directory());
}

}  // namespace zarvik
