#pragma once
// Analyze's walk: the files on disk against the log, as plain functions over
// the walk's lister, probe and a sink that takes the four kinds of finding.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/ChangeRules.h"
#include "core/FileWalk.h"

namespace zarvik {

class ChangeSink : public WalkSink {
public:
    virtual void Added(const std::string& path, int64_t size) = 0;
    // A new size, with `moved` the same size and a new time, or a new
    // version: `version` is the file's now, `loggedVersion` the log's (empty
    // where there is none), each entry given once with all that changed.
    virtual void Changed(const std::string& path, int64_t size, TimeChange moved, std::string_view version,
                         std::string_view loggedVersion) = 0;
    virtual void Deleted(const std::string& path) = 0;

protected:
    ~ChangeSink() = default;
};

// Measures the listed files of one directory against its section (sizes,
// times and, where the log has one, versions). Optional directories are
// keyed by the path the listing found. False when the
// directory cannot be entered.
bool CompareDirectory(LogStore& log, const LoggedDirectory& directory, DirectoryLister& lister,
                      FileProber& probe, ChangeSink& sink);

// Every key of the section whose file (`prefix` and the key) cannot be
// opened now is deleted, however many keys the section has. Returns the keys.
std::vector<std::string> FindDeleted(LogStore& log, const std::string& section,
                                     const std::string& prefix, FileProber& probe,
                                     ChangeSink& sink);

}  // namespace zarvik
