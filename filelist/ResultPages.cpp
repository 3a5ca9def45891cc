#include "filelist/ResultPages.h"

namespace zarvik {

namespace {

using Opens = ListPageDescriptor::Opens;

const ListPageDescriptor kZeroLengthFiles{
    "Zero Length Files",
    {"This list shows all the files in the Windows, System and ",
     "optional directories which are 0 Bytes in length and may ",
     "be corrupted or may be temp files/configuration files ",
     "which are not currently being accessed."},
    "Zero length files:"};

const ListPageDescriptor kFilesAdded{
    "Files Added",
    {"This list shows all the files in the ", "Windows, System and optional ",
     "directories which have been Added ", "since the log was created.",
     "The file size is rounded and is only ", "intended as a ROUGH ",
     "GUIDELINE, if an accurate file size ", "is needed, you should use ",
     "Windows Explorer.", kDoubleClickToView},
    "Files added since log was created:",
    Opens::ListEntryPath};

const ListPageDescriptor kFilesDeleted{
    "Files Deleted",
    {"This list shows all the files which have been ", "Deleted from the ",
     "Windows, System and optional ", "directories since the log was created."},
    "Files deleted since log was created:"};

const ListPageDescriptor kFilesChanged{
    "Files Changed",
    {"This list shows all the files which have been ",
     "changed in the Windows,  System and ",
     "optional directories since the log was created.",
     "The file size is rounded and is only intended as ",
     "a ROUGH GUIDELINE, if an accurate file ",
     "size is needed, you should use Windows ",
     "Explorer to see current file size.  To find the ",
     "original file size  use the \"View LogFile\" tab.", kDoubleClickToView},
    "Files changed since log was created:",
    Opens::ListEntryPath};

}  // namespace

ZeroLengthFilesPage::ZeroLengthFilesPage(const PageContext& context, ui::TabSheet& sheet)
    : ListPage(context, sheet, kZeroLengthFiles) {}

FilesAddedPage::FilesAddedPage(const PageContext& context, ui::TabSheet& sheet)
    : ListPage(context, sheet, kFilesAdded) {}

FilesDeletedPage::FilesDeletedPage(const PageContext& context, ui::TabSheet& sheet)
    : ListPage(context, sheet, kFilesDeleted) {}

FilesChangedPage::FilesChangedPage(const PageContext& context, ui::TabSheet& sheet)
    : ListPage(context, sheet, kFilesChanged) {}

}  // namespace zarvik
