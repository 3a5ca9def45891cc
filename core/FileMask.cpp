#include "core/FileMask.h"

#include <algorithm>

#include "core/TextHelpers.h"

namespace zarvik {

namespace {

unsigned char Fold(char c) {
    auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

}  // namespace

std::vector<std::string> SplitMask(std::string_view mask) {
    std::vector<std::string> patterns;
    while (!mask.empty()) {
        size_t semi = mask.find(';');
        std::string_view part = Trimmed(mask.substr(0, semi), IsBlank);
        if (!part.empty()) patterns.emplace_back(part);
        if (semi == std::string_view::npos) break;
        mask.remove_prefix(semi + 1);
    }
    return patterns;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    // "*.*" is the classic "every file", also those without an extension.
    if (pattern == "*.*" || pattern == "*") return true;
    // Iterative wildcard match with one backtrack point: linear in practice.
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    // "name." patterns: a trailing ".*" also matches a name without a dot.
    if (p + 2 == pattern.size() && pattern[p] == '.' && pattern[p + 1] == '*' &&
        name.find('.') == std::string_view::npos)
        return true;
    return p == pattern.size();
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    for (const std::string& pattern : SplitMask(mask)) {
        if (MatchesPattern(name, pattern)) return true;
    }
    return false;
}

bool FileNameLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Fold(x) < Fold(y); });
}

}  // namespace zarvik
