#include "filelist/ResultPages.h"

#include "shell/ProductTexts.h"

namespace zarvik {

namespace {

constexpr const char* kDoubleClick = "Double click on a file to view it in text form.";
constexpr ui::ListBox::Options kResultList{.hScroll = true};

}  // namespace

void ZeroLengthFilesPage::Create() {
    const ListPageLayout at(Area());
    ui::Lay(*this, Sheet(),
            {
                {Title, at.title, "Zero Length Files", kPageTitle},
                {ListBox8, at.list, kResultList},
                {Memo3, at.description,
                 {"This list shows all the files in the Windows, System and ",
                  "optional directories which are 0 Bytes in length and may ",
                  "be corrupted or may be temp files/configuration files ",
                  "which are not currently being accessed."},
                 kDescription},
                {Button8, at.report, "Generate Report", &ZeroLengthFilesPage::Button8Click},
            });
    ListBox8.Add(kNoItemsYet);
}

void ZeroLengthFilesPage::Button8Click() {
    reports_.AppendReportBlock("Zero length files:", ListBox8.Items());
}

void FilesAddedPage::Create() {
    const ListPageLayout at(Area());
    ui::Lay(*this, Sheet(),
            {
                {Title, at.title, "Files Added", kPageTitle},
                {ListBox4, at.list, kResultList, nullptr, &FilesAddedPage::ListBox4DblClick},
                {Memo4, at.description,
                 {"This list shows all the files in the ", "Windows, System and optional ",
                  "directories which have been Added ", "since the log was created.",
                  "The file size is rounded and is only ", "intended as a ROUGH ",
                  "GUIDELINE, if an accurate file size ", "is needed, you should use ",
                  "Windows Explorer.", kDoubleClick},
                 kDescription},
                {Button9, at.report, "Generate Report", &FilesAddedPage::Button9Click},
            });
    ListBox4.Add(kNoItemsYet);
}

void FilesAddedPage::Button9Click() {
    reports_.AppendReportBlock("Files added since log was created:", ListBox4.Items());
}

void FilesDeletedPage::Create() {
    const ListPageLayout at(Area());
    ui::Lay(*this, Sheet(),
            {
                {Title, at.title, "Files Deleted", kPageTitle},
                {ListBox2, at.list, kResultList},
                {Memo5, at.description,
                 {"This list shows all the files which have been ", "Deleted from the ",
                  "Windows, System and optional ", "directories since the log was created."},
                 kDescription},
                {Button10, at.report, "Generate Report", &FilesDeletedPage::Button10Click},
            });
    ListBox2.Add(kNoItemsYet);
}

void FilesDeletedPage::Button10Click() {
    reports_.AppendReportBlock("Files deleted since log was created:", ListBox2.Items());
}

void FilesChangedPage::Create() {
    const ListPageLayout at(Area());
    ui::Lay(*this, Sheet(),
            {
                {Title, at.title, "Files Changed", kPageTitle},
                {ListBox3, at.list, kResultList, nullptr, &FilesChangedPage::ListBox3DblClick},
                {Memo6, at.description,
                 {"This list shows all the files which have been ",
                  "changed in the Windows,  System and ",
                  "optional directories since the log was created.",
                  "The file size is rounded and is only intended as ",
                  "a ROUGH GUIDELINE, if an accurate file ",
                  "size is needed, you should use Windows ",
                  "Explorer to see current file size.  To find the ",
                  "original file size  use the \"View LogFile\" tab.", kDoubleClick},
                 kDescription},
                {Button11, at.report, "Generate Report", &FilesChangedPage::Button11Click},
            });
    ListBox3.Add(kNoItemsYet);
}

void FilesChangedPage::Button11Click() {
    reports_.AppendReportBlock("Files changed since log was created:", ListBox3.Items());
}

void FilesAddedPage::ListBox4DblClick() { viewer_.OpenSelectedListEntry(ListBox4); }

void FilesChangedPage::ListBox3DblClick() { viewer_.OpenSelectedListEntry(ListBox3); }

}  // namespace zarvik
