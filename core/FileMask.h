#pragma once
// File-name masks: one or more wildcard patterns ("*" and "?") separated by
// ";". Matching ignores letter case, as file names on Windows do.
#include <string>
#include <string_view>
#include <vector>

namespace zarvik {

std::vector<std::string> SplitMask(std::string_view mask);
bool MatchesPattern(std::string_view name, std::string_view pattern);
// An empty mask matches nothing.
bool MatchesMask(std::string_view name, std::string_view mask);
// Case-insensitive ordering of file names (ASCII folding, then bytewise).
bool FileNameLess(std::string_view a, std::string_view b);

}  // namespace zarvik
