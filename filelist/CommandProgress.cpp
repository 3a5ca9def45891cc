#include "filelist/CommandProgress.h"

#include <windows.h>

#include <utility>

#include "filelist/ResultPages.h"
#include "shell/ProductTexts.h"

namespace zarvik {

void ClearChangeLists(const CommandLists& lists, CommandProgress& progress) {
    progress.Clear(lists.changed, FilesChangedPage::kCaption);
    progress.Clear(lists.added, FilesAddedPage::kCaption);
    progress.Clear(lists.deleted, FilesDeletedPage::kCaption);
    progress.Clear(lists.zeroLength, ZeroLengthFilesPage::kCaption);
}

std::optional<Listing> FileListLister::ListFiles(const std::string& directory) {
    list_.Update();
    return Listing{directory, list_.Names()};
}

TreeListLister::TreeListLister(CommandProgress& progress)
    : progress_(progress), tree_(folders_, [this](const std::string& folder) { progress_.Unentered(folder); }) {}

std::optional<Listing> TreeListLister::ListFiles(const std::string& directory) {
    std::optional<Listing> listing = tree_.ListFiles(directory);
    if (!listing) progress_.Unentered(ChosenOfWalked(directory));
    return listing;
}

CommandProgress::CommandProgress(const PageContext& context, const CommandLists& lists,
                                 bool usesBrowser)
    : context_(context), lists_(lists), usesBrowser_(usesBrowser) {
    context_.status.BeginProcessing();
}

CommandProgress::~CommandProgress() {
    if (finished_) return;
    // Ended by an error: what was reached stays on screen.
    try {
        Release();
    } catch (...) {
        // Putting the browser back failed as well; the first error is the one shown.
    }
}

void CommandProgress::Finish() {
    if (finished_) return;
    finished_ = true;
    Release();
}

void CommandProgress::Release() {
    ShowStatus(false);
    for (const Watched& w : watched_) {
        w.list->SetRedraw(true);
        w.list->Invalidate();
    }
    watched_.clear();
    context_.status.EndProcessing();
    if (usesBrowser_ && lists_.endBrowserScan) lists_.endBrowserScan(browserMoved_);
}

std::optional<Listing> CommandProgress::ListFiles(const std::string& directory) {
    if (!lists_.browser.ChangeDirectory(directory, "*.*")) {
        // Named as the user chose it, without the "\" the walk appended.
        Unentered(ChosenOfWalked(directory));
        return std::nullopt;
    }
    browserMoved_ = true;
    return Listing{lists_.browser.Directory() + "\\", lists_.browser.Names()};
}

void CommandProgress::TellUnentered(std::string_view consequence) {
    if (unentered_.empty()) return;
    std::string text = "These optional directories could not be entered";
    text.append(consequence).append(":");
    for (const std::string& d : unentered_) text += "\r\n" + d;
    context_.prompts.Tell(context_.owner.Handle(), text, kProductTitle);
}

void CommandProgress::Touch(ui::ListBox& list) {
    for (Watched& w : watched_) {
        if (w.list == &list) {
            w.changed = true;
            return;
        }
    }
    list.SetRedraw(false);
    watched_.push_back({&list, true});
}

// The status bar repaints itself on every text (over a millisecond under
// Wine), so the path goes to it only when a repaint is due; the last one
// always does.
void CommandProgress::Status(std::string_view text) {
    status_.assign(text);
    statusShown_ = false;
    Tick();
}

void CommandProgress::ShowStatus(bool paint) {
    if (statusShown_) return;
    if (paint)
        context_.status.PaintStatus(status_);
    else
        context_.status.SetStatus(status_);
    statusShown_ = true;
}

void CommandProgress::Clear(ui::ListBox& list, std::string_view caption) {
    Touch(list);
    list.Clear();
    lists_.results.Clear(caption);
}

void CommandProgress::Append(ui::ListBox& list, std::string_view text) {
    Touch(list);
    list.Add(text);
    Tick();
}

void CommandProgress::Append(ui::ListBox& list, std::string_view text, ResultRow facts) {
    lists_.results.Keep(std::move(facts));
    Append(list, text);
}

void CommandProgress::ZeroLength(const std::string& path, const FileMeasure& file) {
    Append(lists_.zeroLength, path,
           {.list = ZeroLengthFilesPage::kCaption, .path = path, .size = 0,
            .time = Recorded(file.writeTime)});
}

void CommandProgress::Tick() {
    if (pacer_.Due(::GetTickCount())) Paint();
}

// The window is not otherwise repainted while the command runs. Only what
// changed since the last paint is painted again: painting is most of what a
// long command costs beyond its file opens.
void CommandProgress::Paint() {
    for (Watched& w : watched_) {
        if (!w.changed) continue;
        w.list->SetRedraw(true);
        w.list->Invalidate(true);
        w.list->SetRedraw(false);
        w.changed = false;
    }
    ShowStatus(true);
}

}  // namespace zarvik
