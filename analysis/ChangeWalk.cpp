#include "analysis/ChangeWalk.h"

#include <optional>

#include "core/LogLayout.h"
#include "core/LogStore.h"

namespace zarvik {

bool CompareDirectory(LogStore& log, const LoggedDirectory& directory, DirectoryLister& lister,
                      FileProber& probe, ChangeSink& sink) {
    const std::optional<Listing> listing = lister.ListFiles(directory.directory);
    if (!listing) return false;
    const std::string times = TimesSection(directory.section);
    const std::string versions = VersionsSection(directory.section);
    // A log without versions costs no lookup of one per file.
    const bool versionsLogged = !log.ReadSectionKeys(versions).empty();
    const bool fat = probe.OnFatVolume(listing->prefix);
    MeasureFiles(listing->prefix, listing->names, directory.keyIsPath, probe, sink,
                 [&](const std::string& path, const std::string& key, const FileMeasure& file) {
                     const int64_t logged = log.ReadInteger(directory.section, key, 0);
                     const Verdict verdict = Compare(file.size, logged);
                     if (verdict.added) sink.Added(path, file.size);
                     if (logged == 0) return;
                     // The same size: replaced all the same when its time moved.
                     const TimeChange moved = logged > 0 && file.size == logged
                                                  ? CompareTimes(file.writeTime, log.ReadInteger(times, key, 0), fat)
                                                  : TimeChange::None;
                     const std::string loggedVersion = versionsLogged ? log.ReadString(versions, key, "") : "";
                     if (verdict.changed || moved != TimeChange::None ||
                         CompareVersionTexts(file.version, loggedVersion).changed)
                         sink.Changed(path, file.size, moved, file.version, loggedVersion);
                 });
    return true;
}

std::vector<std::string> FindDeleted(LogStore& log, const std::string& section,
                                     const std::string& prefix, FileProber& probe,
                                     ChangeSink& sink) {
    std::vector<std::string> keys = log.ReadSectionKeys(section);
    for (const std::string& key : keys) {
        const std::string path = prefix + key;
        sink.Walking(path);
        if (!probe.Present(path)) sink.Deleted(path);
    }
    return keys;
}

}  // namespace zarvik
