#include "inspect/StringExtraction.h"

#include <algorithm>
#include <cstring>

#include "core/TextHelpers.h"

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

// The counts are passed in so that the loop over a piece keeps them in
// registers rather than in the object, where every store into the run's
// text could change them.
inline void StringExtractor::Visit(Counts& r, unsigned char c, const unsigned char* next,
                                   unsigned hasSecond, unsigned hasThird) {
    const unsigned k = kClass[c];
    if (!(k & kMember)) {
        if (r.n > 5 && r.fourLetters && r.repeats < 3 && !r.reject && r.vowels > 1)
            Emit(r.n, r.vowels >= r.n / 2 + 3);
        r = Counts{};
        return;
    }
    r.open = 1;
    run_[r.n++] = static_cast<char>(c);
    if (k & kLetter) {
        if (++r.streak > 3) r.fourLetters = 1;
    } else {
        r.streak = 0;
    }
    if (c == r.previous) ++r.repeats;
    r.previous = c;
    // A digit glued to a letter, three equal characters, or a Q without a
    // capital U after it: not a word.
    if ((hasSecond && (k & kDigit) && (kClass[next[0]] & kLetter)) ||
        (hasThird && next[0] == c && next[1] == c) || (c == 'Q' && next[0] != 'U'))
        r.reject = 1;
    if (k & kVowel) ++r.vowels;
    if (r.n > kRunCapacity) r.n = kRunCapacity;
    // Leading blanks and digits leave the text; the counts keep them.
    if (kClass[static_cast<unsigned char>(run_[0])] & kBlankOrDigit) r.n = 0;
}

void StringExtractor::Emit(size_t n, bool stars) {
    strings_.Add(stars ? "**" : "", std::string_view(run_, n));
}

void StringExtractor::VisitWithFullLookAhead(const unsigned char* p, const unsigned char* end) {
    if (end - p <= static_cast<ptrdiff_t>(kLookAhead)) return;
    const unsigned char* const last = end - kLookAhead;
    Counts r = counts_;
    while (p < last) {
        if (!r.open) {
            // Between runs nothing is counted: on to the next member.
            while (p < last && !(kClass[*p] & kMember)) ++p;
            if (p == last) break;
            // A run of fewer than six members is never listed, and the byte
            // that ends it clears everything: both can be passed over.
            const unsigned char* q = p + 1;
            const unsigned char* const shortEnd = last - p > 6 ? p + 6 : last;
            while (q < shortEnd && (kClass[*q] & kMember)) ++q;
            if (q < shortEnd) {
                p = q + 1;
                continue;
            }
        }
        Visit(r, *p, p + 1, 1, 1);
        ++p;
    }
    counts_ = r;
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
            Visit(counts_, pending_[visited], pending_ + visited + 1, 1, 1);
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
        Visit(counts_, pending_[i], pending_ + i + 1, i + 2 < pendingCount_, i + 3 < pendingCount_);
    pendingCount_ = 0;
    // A run still open at the end is not listed.
    counts_ = Counts{};
}

void ExtractStrings(const void* bytes, size_t count, StringList& strings) {
    StringExtractor extractor(strings);
    extractor.Feed(bytes, count);
    extractor.Finish();
}

}  // namespace zarvik
