#pragma once
// Every entry of one folder with the attributes the tree walk decides on:
// the lister under core/TreeWalk's TreeLister, for an optional directory
// logged with its subdirectories.
#include <optional>
#include <string>
#include <vector>

#include "core/TreeWalk.h"

namespace platform {

// Wide, with long paths through ApiPath, names in the program's form and the
// native file system under WoW64, as ListPlainFiles lists.
class Win32FolderLister final : public zarvik::FolderLister {
public:
    std::optional<std::vector<zarvik::FolderEntry>> ListEntries(const std::string& folder) override;
};

}  // namespace platform
