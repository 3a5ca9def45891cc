#pragma once
// The comparison of Compare Reports as first defined: every line of one list
// compared with every line of the other (`equal` folds both afresh), in all
// three sections, with no early exit. Tests and the benchmark hold the fast
// comparison to it.
#include <string>
#include <vector>

#include "report/CompareLists.h"

namespace testing_support {

struct ComparedLines {
    std::vector<std::string> onlyInFirst, onlyInSecond, inBoth;
    bool operator==(const ComparedLines&) const = default;
};

template <typename Equal>
ComparedLines AllPairsCompare(const std::vector<std::string>& first,
                              const std::vector<std::string>& second, Equal equal) {
    ComparedLines out;
    for (const std::string& l : first) {
        bool found = false;
        for (const std::string& m : second) {
            if (equal(l, m)) found = true;
        }
        if (!found) out.onlyInFirst.push_back(l);
    }
    for (const std::string& m : second) {
        bool found = false;
        for (const std::string& l : first) {
            if (equal(m, l)) found = true;
        }
        if (!found) out.onlyInSecond.push_back(m);
    }
    for (const std::string& m : second) {
        for (const std::string& l : first) {
            if (equal(l, m)) out.inBoth.push_back(m);
        }
    }
    return out;
}

// The lines that the fast comparison's result stands for.
inline ComparedLines LinesOf(const zarvik::LineComparison& c, const std::vector<std::string>& first,
                             const std::vector<std::string>& second) {
    ComparedLines out;
    for (size_t i : c.onlyInFirst) out.onlyInFirst.push_back(first[i]);
    for (size_t j : c.onlyInSecond) out.onlyInSecond.push_back(second[j]);
    for (const auto& s : c.inBoth) {
        for (size_t n = 0; n < s.times; ++n) out.inBoth.push_back(second[s.second]);
    }
    return out;
}

}  // namespace testing_support
