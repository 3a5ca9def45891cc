#include "filelist/FileListCommands.h"

#include "core/LogLayout.h"
#include "core/LogStore.h"
#include "filelist/ListPages.h"
#include "shell/FileProbe.h"
#include "shell/ProductTexts.h"

namespace zarvik {

std::vector<ListedDirectory> MainDirectories(const Session& session, const CommandLists& lists) {
    std::vector<ListedDirectory> directories{
        {{session.WindowsPath(), kWindowsSection}, &lists.windows},
        {{session.SystemPath(), kSystemSection}, &lists.system},
    };
    if (lists.systemWow64)
        directories.push_back({{session.SystemWow64Path(), kSystemWow64Section}, lists.systemWow64});
    return directories;
}

bool BuildFileList(const PageContext& context, const CommandLists& lists) {
    if (!context.prompts.Ask(context.owner.Handle(), "Do you wish to Build FileList now",
                             kProductTitle))
        return false;
    const Session& session = context.session;
    context.status.SetStatus("<-----Building FileList----->");
    CommandProgress progress(context, lists, false);
    ClearChangeLists(lists, progress);
    PlatformFileProber probe;
    {
        LogStore& log = session.LogFile();
        LogStore::Batch batch(log);
        for (const ListedDirectory& d : MainDirectories(session, lists)) {
            FileListLister lister(*d.list);
            LogDirectory(log, d.logged, lister, probe, progress);
        }
    }
    progress.Finish();
    context.status.SetStatus("<------FileList Built----->");
    return true;
}

bool ClearFileList(const PageContext& context) {
    if (!context.prompts.Ask(context.owner.Handle(), "Do you really want to Clear the FileList",
                             kProductTitle))
        return false;
    LogStore& log = context.session.LogFile();
    for (const char* section : kMainSections) EraseDirectorySections(log, section);
    return true;
}

void CommitOptionalDirectories(const PageContext& context, const CommandLists& lists,
                               const std::vector<ChosenDirectory>& directories,
                               const std::function<void()>& reloadLogView) {
    CommandProgress progress(context, lists, true);
    PlatformFileProber probe;
    LogStore& log = context.session.LogFile();
    LogStore::Batch batch(log);
    // A directory that has gone is skipped and noted; its "Directory" key stays.
    const std::vector<LoggedDirectory> logged = WriteOptionalDirectories(log, directories);
    for (size_t i = 0; i < logged.size(); ++i) {
        if (directories[i].subdirectories) {
            TreeListLister tree(progress);
            LogDirectory(log, logged[i], tree, probe, progress);
        } else {
            LogDirectory(log, logged[i], progress, probe, progress);
        }
    }

    progress.Finish();
    context.status.SetStatus("<------FileList Appended----->");
    reloadLogView();
    progress.TellUnentered(" and were not logged");
}

void ExportFileList(const PageContext& context, const std::vector<std::string>& lines) {
    FileDialogOptions options;
    options.filter = "Ini File|*.ini";
    const HWND owner = context.owner.Handle();
    const auto file = context.prompts.SaveFile(owner, options);
    if (file && WriteTextLines(*file, lines) == WriteMethod::InPlace)
        context.prompts.Tell(owner, InPlaceWriteText(*file), kProductTitle);
}

}  // namespace zarvik
