#include "report/CompareLists.h"

#include <string_view>
#include <unordered_map>

namespace zarvik {

namespace {

// How often each key occurs; the views point into the caller's lists.
std::unordered_map<std::string_view, size_t> CountKeys(const std::vector<std::string>& keys) {
    std::unordered_map<std::string_view, size_t> counts;
    counts.reserve(keys.size());
    for (const std::string& k : keys) ++counts[k];
    return counts;
}

size_t CountOf(const std::unordered_map<std::string_view, size_t>& counts, std::string_view key) {
    auto it = counts.find(key);
    return it == counts.end() ? 0 : it->second;
}

}  // namespace

LineComparison CompareLineKeys(const std::vector<std::string>& firstKeys,
                               const std::vector<std::string>& secondKeys) {
    const auto inFirst = CountKeys(firstKeys);
    const auto inSecond = CountKeys(secondKeys);
    LineComparison result;
    for (size_t i = 0; i < firstKeys.size(); ++i) {
        if (CountOf(inSecond, firstKeys[i]) == 0) result.onlyInFirst.push_back(i);
    }
    for (size_t j = 0; j < secondKeys.size(); ++j) {
        const size_t times = CountOf(inFirst, secondKeys[j]);
        if (times == 0)
            result.onlyInSecond.push_back(j);
        else
            result.inBoth.push_back({j, times});
    }
    return result;
}

}  // namespace zarvik
