// String extraction on any file the viewer may open: fed in pieces of any
// size it lists what one pass over the whole file lists, and it is ready
// for the next file after Finish.
#include <algorithm>

#include "inspect/StringExtraction.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvik;
    StringList whole;
    ExtractStrings(data, size, whole);
    for (size_t i = 0; i < whole.Count(); ++i)
        fuzz::Check(whole[i].size() <= StringExtractor::kRunCapacity + 2, "string longer than a run");

    // Piece sizes from 1 to 8 bytes, taken from the input itself.
    StringList pieces;
    StringExtractor extractor(pieces);
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t at = 0; at < size;) {
            const size_t count = std::min<size_t>(size - at, 1 + (data[at] & 7));
            extractor.Feed(data + at, count);
            at += count;
        }
        extractor.Finish();
    }
    StringList twice;
    ExtractStrings(data, size, twice);
    ExtractStrings(data, size, twice);
    fuzz::Check(pieces.Text() == twice.Text(), "pieces list other strings than the whole");
    return 0;
}
