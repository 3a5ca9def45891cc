#pragma once
// The printable strings of a file: runs of path characters that look like
// words, found by one pass over the bytes.
#include <cstddef>
#include <string>
#include <vector>

namespace zarvik {

// The extraction as a stream: Feed the bytes in pieces of any size, then
// Finish. The strings appended are the same, byte for byte, as those of one
// ExtractStrings over the whole file. Each byte is decided once three more
// bytes have arrived (or the stream has ended), so only those three are held
// back between pieces.
class StringExtractor {
public:
    explicit StringExtractor(std::vector<std::string>& strings) : strings_(strings) {}

    void Feed(const void* bytes, size_t count);
    // The end of the file: the last byte is never visited and a run still
    // open is dropped. The extractor is then ready for another file.
    void Finish();

    static constexpr size_t kRunCapacity = 254;

private:
    static constexpr size_t kLookAhead = 3;

    // Visits one byte c: the byte after it, next[0], always exists; the one
    // after that, next[1], when hasSecond; a third one when hasThird.
    void Visit(unsigned char c, const unsigned char* next, bool hasSecond, bool hasThird);
    void EndRun();  // lists the run when it looks like a word, then clears it
    void ClearRun();
    // Visits every byte that has kLookAhead bytes after it in [begin, end).
    void VisitWithFullLookAhead(const unsigned char* begin, const unsigned char* end);

    std::vector<std::string>& strings_;

    // Bytes received but not yet visited: fewer than kLookAhead follow them.
    unsigned char pending_[2 * kLookAhead] = {};
    size_t pendingCount_ = 0;

    // Run state, cleared at every byte outside the member characters.
    char run_[kRunCapacity + 1] = {};  // position 254 takes the overflow
    size_t n_ = 0;                     // length of the run text
    unsigned streak_ = 0;              // letters in a row
    bool fourLetters_ = false;
    unsigned char previous_ = 0;  // 0: none (never a member character)
    unsigned repeats_ = 0;
    bool reject_ = false;
    unsigned vowels_ = 0;
    bool inRun_ = false;  // any member character since the last clear
};

// Appends the strings found in count bytes to strings.
void ExtractStrings(const void* bytes, size_t count, std::vector<std::string>& strings);

}  // namespace zarvik
