#pragma once
// The "File Browser" page: drive, folder tree, file list and mask. Its file
// list is also the lister of the optional directories for Commit and
// Analyze FileList, so after them it shows the last directory scanned.
#include <array>
#include <string>

#include "shell/Page.h"

namespace zarvik {

class FileBrowserPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "File Browser";
    using NotebookPage::NotebookPage;
    void Create() override;
    void Start() override;

    ui::Label Label12;  // title
    ui::FileListBox FileListBox1;
    ui::Label DriveLabel;
    ui::DriveComboBox DriveComboBox1;
    ui::DirectoryListBox DirectoryListBox2;
    ui::Label FilterLabel;
    ui::FilterComboBox FilterComboBox1;
    ui::Edit Edit3;  // the mask
    ui::Label Edit3Label;
    ui::Memo Memo13;
    ui::Button Button17;  // Generate Report
    // The quick mask buttons, left to right.
    ui::Button Button26, Button25, Button24, Button23, Button22, Button21, Button20, Button19,
        Button18, Button27;

    void Edit3Change();
    void FileListBox1DblClick();
    void Button17Click();
    void Button18Click();
    void Button19Click();
    void Button20Click();
    void Button21Click();
    void Button22Click();
    void Button23Click();
    void Button24Click();
    void Button25Click();
    void Button26Click();
    void Button27Click();
    void DirectoryListBox2Change();
    void DriveComboBox1Change();
    void FilterComboBox1Change();

    // After a long command pointed FileListBox1 at other directories: the
    // mask back from Edit3, and when it `moved`, the tree following the list.
    void EndScan(bool moved);

private:
    // Where the tree last was on each drive, so choosing a drive goes back
    // there. Kept here rather than as the process's current directory, which
    // would hold the folder open against deletion.
    void RememberDirectory();
    std::array<std::string, 26> lastDirectory_;
};

}  // namespace zarvik
