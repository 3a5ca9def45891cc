#pragma once
// The line comparison behind Compare Reports, without any window: lines are
// equal when their keys (the lines folded to upper case by the caller) are
// equal. The result is the one the pairwise definition gives: every line of
// one list tested against every line of the other, duplicates counted.
#include <cstddef>
#include <string>
#include <vector>

namespace zarvik {

struct LineComparison {
    std::vector<size_t> onlyInFirst;   // indices into the first list, in order
    std::vector<size_t> onlyInSecond;  // indices into the second list, in order
    // For each line of the second list in order that has equals in the first:
    // its index and how many lines of the first list equal it.
    struct Shared {
        size_t second;
        size_t times;
    };
    std::vector<Shared> inBoth;
};

LineComparison CompareLineKeys(const std::vector<std::string>& firstKeys,
                               const std::vector<std::string>& secondKeys);

}  // namespace zarvik
