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
                     Finding found;
                     found.path = path;
                     found.now = file;
                     found.loggedSize = log.ReadInteger(directory.section, key, 0);
                     const Verdict verdict = Compare(file.size, found.loggedSize);
                     if (verdict.added) return sink.Added(found);
                     if (found.loggedSize == 0) return;
                     // Read only for a logged file: an added one has no time.
                     found.loggedTime = log.ReadInteger(times, key, 0);
                     // The same size: replaced all the same when its time moved.
                     if (found.loggedSize > 0 && file.size == found.loggedSize)
                         found.moved = CompareTimes(file.writeTime, found.loggedTime, fat);
                     if (versionsLogged) found.loggedVersion = log.ReadString(versions, key, "");
                     if (verdict.changed || found.moved != TimeChange::None ||
                         CompareVersionTexts(file.version, found.loggedVersion).changed)
                         sink.Changed(found);
                 });
    return true;
}

std::vector<std::string> FindDeleted(LogStore& log, const std::string& section,
                                     const std::string& prefix, FileProber& probe,
                                     ChangeSink& sink) {
    std::vector<std::string> keys = log.ReadSectionKeys(section);
    const std::string times = TimesSection(section);
    for (const std::string& key : keys) {
        const std::string path = prefix + key;
        sink.Walking(path);
        if (probe.Present(path)) continue;
        Finding gone;
        gone.path = path;
        gone.loggedSize = log.ReadInteger(section, key, 0);
        gone.loggedTime = log.ReadInteger(times, key, 0);
        sink.Deleted(gone);
    }
    return keys;
}

}  // namespace zarvik
