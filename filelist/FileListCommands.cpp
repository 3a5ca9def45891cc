#include "filelist/FileListCommands.h"

#include "core/LogStore.h"
#include "filelist/ListPages.h"
#include "shell/FileProbe.h"
#include "shell/ProductTexts.h"

namespace zarvik {

bool BuildFileList(const PageContext& context, const CommandLists& lists) {
    if (!context.prompts.Ask(context.owner.Handle(), "Do you wish to Build FileList now",
                             kProductTitle))
        return false;
    Session& session = context.session;
    context.status.SetStatus("<-----Building FileList----->");
    CommandProgress progress(context, lists, false);
    ClearChangeLists(lists, progress);
    PlatformFileProber probe;
    {
        LogStore& log = session.LogFile();
        LogStore::Batch batch(log);
        FileListLister windows(lists.windows), system(lists.system);
        LogDirectory(log, {session.WindowsPath, "Windows"}, windows, probe, progress);
        LogDirectory(log, {session.SystemPath, "Windows\\System"}, system, probe, progress);
        if (lists.systemWow64) {
            FileListLister wow64(*lists.systemWow64);
            LogDirectory(log, {session.SystemWow64Path, kSystemWow64Section}, wow64, probe,
                         progress);
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
    for (const char* section : {"windows", "windows\\system", kSystemWow64Section}) {
        log.EraseSection(section);
        log.EraseSection(TimesSection(section));
    }
    return true;
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
