#include "inspect/StringExtraction.h"

#include <algorithm>
#include <cstring>

#include "app/TextHelpers.h"

namespace zarvik {

namespace {

enum : unsigned char {
    kMember = 1,
    kLetter = 2,
    kDigit = 4,
    kVowel = 8,
    kBlankOrDigit = 16,
};

// The character classes of the text helpers, looked up once per byte.
struct ClassTable {
    unsigned char of[256];
    ClassTable() {
        for (int i = 0; i < 256; ++i) {
            const char c = static_cast<char>(i);
            unsigned char k = 0;
            if (IsPathChar(c)) k |= kMember;
            if (IsLetter(c)) k |= kLetter;
            if (IsDigit(c)) k |= kDigit;
            if (IsVowel(c)) k |= kVowel;
            if (IsBlank(c) || IsDigit(c)) k |= kBlankOrDigit;
            of[i] = k;
        }
    }
};
const ClassTable kClassTable;
const unsigned char* const kClass = kClassTable.of;

}  // namespace

inline void StringExtractor::Visit(unsigned char c, const unsigned char* next, bool hasSecond,
                                   bool hasThird) {
    const unsigned char k = kClass[c];
    if (!(k & kMember)) {
        if (inRun_) EndRun();
        return;
    }
    inRun_ = true;
    run_[n_++] = static_cast<char>(c);
    if (k & kLetter) {
        if (++streak_ > 3) fourLetters_ = true;
    } else {
        streak_ = 0;
    }
    if (c == previous_) ++repeats_;
    previous_ = c;
    // A digit glued to a letter, three equal characters, or a Q without a
    // capital U after it: not a word.
    if ((hasSecond && (k & kDigit) && (kClass[next[0]] & kLetter)) ||
        (hasThird && next[0] == c && next[1] == c) || (c == 'Q' && next[0] != 'U'))
        reject_ = true;
    if (k & kVowel) ++vowels_;
    if (n_ > kRunCapacity) n_ = kRunCapacity;
    // Leading blanks and digits leave the text; the counts keep them.
    if (kClass[static_cast<unsigned char>(run_[0])] & kBlankOrDigit) n_ = 0;
}

void StringExtractor::EndRun() {
    if (n_ > 5 && fourLetters_ && repeats_ < 3 && !reject_ && vowels_ > 1) {
        if (vowels_ < n_ / 2 + 3) {
            strings_.emplace_back(run_, n_);
        } else {
            std::string line;
            line.reserve(n_ + 2);
            line.append("**").append(run_, n_);
            strings_.push_back(std::move(line));
        }
    }
    ClearRun();
}

void StringExtractor::ClearRun() {
    n_ = 0;
    streak_ = 0;
    fourLetters_ = false;
    previous_ = 0;
    repeats_ = 0;
    reject_ = false;
    vowels_ = 0;
    inRun_ = false;
}

void StringExtractor::VisitWithFullLookAhead(const unsigned char* p, const unsigned char* end) {
    if (end - p <= static_cast<ptrdiff_t>(kLookAhead)) return;
    const unsigned char* const last = end - kLookAhead;
    while (p < last) {
        if (!inRun_) {
            // Between runs nothing is counted: skip to the next member.
            while (p < last && !(kClass[*p] & kMember)) ++p;
            if (p == last) break;
        }
        Visit(*p, p + 1, true, true);
        ++p;
    }
}

void StringExtractor::Feed(const void* bytes, size_t count) {
    const auto* data = static_cast<const unsigned char*>(bytes);
    if (count == 0) return;
    if (pendingCount_ > 0) {
        const size_t take = std::min(count, kLookAhead);
        std::memcpy(pending_ + pendingCount_, data, take);
        const size_t joined = pendingCount_ + take;
        size_t visited = 0;
        while (visited < pendingCount_ && visited + kLookAhead < joined) {
            Visit(pending_[visited], pending_ + visited + 1, true, true);
            ++visited;
        }
        if (visited < pendingCount_) {
            // A piece shorter than the look-ahead: all of it waits.
            std::memmove(pending_, pending_ + visited, joined - visited);
            pendingCount_ = joined - visited;
            return;
        }
        pendingCount_ = 0;
    }
    VisitWithFullLookAhead(data, data + count);
    const size_t keep = std::min(count, kLookAhead);
    std::memcpy(pending_, data + count - keep, keep);
    pendingCount_ = keep;
}

void StringExtractor::Finish() {
    // The last bytes of the file, where the rules that look ahead run out.
    for (size_t i = 0; i + 1 < pendingCount_; ++i)
        Visit(pending_[i], pending_ + i + 1, i + 2 < pendingCount_, i + 3 < pendingCount_);
    pendingCount_ = 0;
    // A run still open at the end is not listed.
    ClearRun();
}

void ExtractStrings(const void* bytes, size_t count, std::vector<std::string>& strings) {
    StringExtractor extractor(strings);
    extractor.Feed(bytes, count);
    extractor.Finish();
}

}  // namespace zarvik
