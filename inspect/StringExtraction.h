#pragma once
// The printable strings of a file: runs of path characters that look like
// words, found by one pass over the bytes.
#include <cstddef>

#include "inspect/StringList.h"

namespace zarvik {

// The extraction as a stream: Feed the bytes in pieces of any size, then
// Finish. The strings appended are the same, byte for byte, as those of one
// ExtractStrings over the whole file. Each byte is decided once three more
// bytes have arrived (or the stream has ended), so only those three are held
// back between pieces.
class StringExtractor {
public:
    explicit StringExtractor(StringList& strings) : strings_(strings) {}

    void Feed(const void* bytes, size_t count);
    // The end of the file: the last byte is never visited and a run still
    // open is dropped. The extractor is then ready for another file.
    void Finish();

    static constexpr size_t kRunCapacity = 254;

private:
    static constexpr size_t kLookAhead = 3;

    // The counts of the run being read, all cleared at every byte outside
    // the member characters. The run's text is run_. Flags are 0 or 1.
    struct Counts {
        size_t n = 0;          // length of the run text
        unsigned streak = 0;   // letters in a row
        unsigned repeats = 0;  // characters equal to the one before
        unsigned vowels = 0;
        unsigned previous = 0;  // 0: none (never a member character)
        unsigned fourLetters = 0;
        unsigned reject = 0;
        unsigned open = 0;  // any member character since the last clear
    };

    // Visits one byte c: the byte after it, next[0], always exists; the one
    // after that, next[1], when hasSecond; a third one when hasThird.
    void Visit(Counts& counts, unsigned char c, const unsigned char* next, unsigned hasSecond,
               unsigned hasThird);
    // Lists the first n characters of the run, after "**" when asked.
    void Emit(size_t n, bool stars);
    // Visits every byte that has kLookAhead bytes after it in [begin, end).
    void VisitWithFullLookAhead(const unsigned char* begin, const unsigned char* end);

    StringList& strings_;

    // Bytes received but not yet visited: fewer than kLookAhead follow them.
    unsigned char pending_[2 * kLookAhead] = {};
    size_t pendingCount_ = 0;

    Counts counts_;
    char run_[kRunCapacity + 1] = {};  // position 254 takes the overflow
};

// Appends the strings found in count bytes to strings.
void ExtractStrings(const void* bytes, size_t count, StringList& strings);

}  // namespace zarvik
