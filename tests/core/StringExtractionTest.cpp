#include "inspect/StringExtraction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "core/TextHelpers.h"

namespace zarvik {
namespace {

using Lines = std::vector<std::string>;

Lines Extract(const std::string& bytes) {
    StringList strings;
    ExtractStrings(bytes.data(), bytes.size(), strings);
    return strings.Lines();
}

std::string Bytes(const char* text) { return std::string(text) + std::string(2, '\0'); }

// The extraction written out over one buffer whose size is known, position by
// position: what the stream must match.
Lines ReferenceExtract(const std::string& b) {
    Lines out;
    const long count = static_cast<long>(b.size());
    char text[256];
    long n = 0, s = 0, r = 0, v = 0;
    bool four = false, reject = false;
    int p = -1;
    auto clear = [&] { n = s = r = v = 0, four = reject = false, p = -1; };
    auto at = [&](long i) { return b[static_cast<size_t>(i)]; };
    for (long m = 0; m <= count - 2; ++m) {
        const char c = at(m);
        if (!IsPathChar(c)) {
            if (n > 5 && four && r < 3 && !reject && v > 1)
                out.push_back((v < n / 2 + 3 ? "" : "**") + std::string(text, static_cast<size_t>(n)));
            clear();
            continue;
        }
        text[n++] = c;
        s = IsLetter(c) ? s + 1 : 0;
        if (s > 3) four = true;
        if (c == p) ++r;
        p = c;
        if ((m < count - 2 && IsDigit(c) && IsLetter(at(m + 1))) ||
            (m < count - 3 && at(m + 1) == c && at(m + 2) == c) ||
            (m < count - 1 && c == 'Q' && at(m + 1) != 'U'))
            reject = true;
        if (IsVowel(c)) ++v;
        if (n > 254) n = 254;
        if (IsBlank(text[0])) n = 0;
        if (IsDigit(text[0])) n = 0;
    }
    return out;
}

Lines ExtractInPieces(const std::string& bytes, size_t piece) {
    StringList strings;
    StringExtractor extractor(strings);
    for (size_t at = 0; at < bytes.size(); at += piece)
        extractor.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
    extractor.Finish();
    return strings.Lines();
}

std::string ReadFileStart(const std::string& path, size_t limit) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

// Real executables, at most 2 MB of each: this test program itself and,
// natively, a DLL of Wine.
std::vector<std::string> RealBinaries() {
    std::vector<std::string> paths;
#ifdef _WIN32
    char self[MAX_PATH];
    if (::GetModuleFileNameA(nullptr, self, MAX_PATH)) paths.emplace_back(self);
#else
    paths = {"/proc/self/exe", "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/kernel32.dll"};
#endif
    std::vector<std::string> files;
    for (const std::string& p : paths) {
        std::string bytes = ReadFileStart(p, 2 << 20);
        if (!bytes.empty()) files.push_back(std::move(bytes));
    }
    return files;
}

// The window of the file that holds the most strings.
std::string RichestWindow(const std::string& file, size_t size) {
    size_t best = 0, bestCount = 0;
    for (size_t at = 0; at + size <= file.size(); at += size / 2) {
        const size_t count = Extract(file.substr(at, size)).size();
        if (count > bestCount) best = at, bestCount = count;
    }
    return file.substr(best, size);
}

TEST(StringListTest, LinesAreOneTextWithCrLfBetweenThem) {
    StringList list{"one", "", "three"};
    list.Add("**", "four");
    EXPECT_EQ(list.Text(), "one\r\n\r\nthree\r\n**four");
    ASSERT_EQ(list.Count(), 4u);
    EXPECT_EQ(list[1], "");
    EXPECT_EQ(list[3], "**four");
    EXPECT_EQ(list.Lines(), (Lines{"one", "", "three", "**four"}));
    list.Clear();
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Text(), "");
}

TEST(ExtractStringsTest, WordsBetweenOtherBytesAreListed) {
    EXPECT_EQ(Extract(Bytes("Hello World")), Lines{"Hello World"});
    EXPECT_EQ(Extract(Bytes("abcdef")), Lines{"abcdef"});
    EXPECT_EQ(Extract(Bytes("QUESTION")), Lines{"QUESTION"});
    EXPECT_EQ(Extract(Bytes("name2 file")), Lines{"name2 file"});
    EXPECT_EQ(Extract(Bytes("baadnews")), Lines{"baadnews"});
    EXPECT_EQ(Extract(Bytes("C:\\WINDOWS\\it's.txt")), (Lines{"\\WINDOWS\\it's.txt"}));
}

TEST(ExtractStringsTest, RunsThatDoNotLookLikeWordsAreNotListed) {
    for (const char* text : {"abcde",      // five characters only
                             "Question",   // Q without a capital U
                             "baaadnews",  // three equal characters in a row
                             "Wait...now", "file2name",  // a digit directly before a letter
                             "rhythms", "strength",      // fewer than two vowels
                             "bookkeeper",               // three repeats
                             "abc1 cde fgh"})              // never four letters in a row
        EXPECT_TRUE(Extract(Bytes(text)).empty()) << text;
}

TEST(ExtractStringsTest, MostlyVowelsGetTwoStars) {
    EXPECT_EQ(Extract(Bytes("aeioua")), Lines{"**aeioua"});
    EXPECT_EQ(Extract(Bytes("aeiouab")), Lines{"**aeiouab"});
    EXPECT_EQ(Extract(Bytes("aeioubcdfgh")), Lines{"aeioubcdfgh"});  // 5 < 11 / 2 + 3
}

TEST(ExtractStringsTest, LeadingBlanksAndDigitsLeaveTheTextButStillCount) {
    EXPECT_EQ(Extract(Bytes("  12 Hello World")), Lines{"Hello World"});
    // Two leading blanks are a repeat; with "ll" and "oo" that makes three.
    EXPECT_TRUE(Extract(Bytes("  Hello Woorld")).empty());
    EXPECT_EQ(Extract(Bytes(" Hello Woorld")), Lines{"Hello Woorld"});
}

TEST(ExtractStringsTest, TheLastByteIsNeverVisited) {
    EXPECT_TRUE(Extract("Hello World").empty());
    EXPECT_TRUE(Extract(std::string("Hello World") + '\0').empty());
    EXPECT_EQ(Extract(std::string("Hello World") + '\0' + 'x'), Lines{"Hello World"});
    for (size_t size = 0; size < 3; ++size) EXPECT_TRUE(Extract(std::string(size, '\0')).empty());
    EXPECT_TRUE(Extract("").empty());
}

TEST(ExtractStringsTest, ALongRunIsListedAsItsFirst254Characters) {
    std::string run;
    while (run.size() < 300) run += "abcdefghij";
    const Lines lines = Extract(run + std::string(2, '\0'));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], run.substr(0, 254));
}

TEST(ExtractStringsTest, BytesOf128AndAboveEndARun) {
    EXPECT_EQ(Extract(Bytes("Wonderful\xFFmarvelous")), (Lines{"Wonderful", "marvelous"}));
    EXPECT_EQ(Extract(Bytes("Wonderful\x80\xE9marvelous")), (Lines{"Wonderful", "marvelous"}));
}

// The stream holds back only what the rules look ahead at: every piece size
// gives what one buffer gives, on random and on real bytes.
TEST(ExtractStringsTest, EveryPieceSizeGivesTheOutputOfOneBuffer) {
    std::mt19937 random(20240611);
    std::vector<std::string> samples;
    std::string raw(4500, '\0');
    for (char& c : raw) c = static_cast<char>(random());
    samples.push_back(raw);
    // Word-like bytes, so that the rules near every boundary are exercised.
    const std::string alphabet = "aeiouAEIOU bcdlmnrstQUQ..\\/'0123456789\x01\xF0";
    std::string wordy(4500, '\0');
    for (char& c : wordy) c = alphabet[random() % alphabet.size()];
    for (size_t i = 0; i < wordy.size(); i += 1 + random() % 12) wordy[i] = '\0';
    samples.push_back(wordy);
    const std::vector<std::string> real = RealBinaries();
    ASSERT_FALSE(real.empty());
    for (const std::string& file : real) samples.push_back(RichestWindow(file, 4500));
    size_t listed = 0;
    for (const std::string& sample : samples) {
        const Lines expected = ReferenceExtract(sample);
        ASSERT_EQ(Extract(sample), expected);
        listed += expected.size();
        for (size_t piece = 1; piece <= 4097; ++piece)
            ASSERT_EQ(ExtractInPieces(sample, piece), expected) << "piece size " << piece;
    }
    EXPECT_GT(listed, 100u);
}

TEST(ExtractStringsTest, WholeRealFilesInRandomPiecesAndAReusedExtractor) {
    std::mt19937 random(7);
    for (const std::string& file : RealBinaries()) {
        const Lines expected = ReferenceExtract(file);
        StringList strings;
        StringExtractor extractor(strings);
        for (int pass = 0; pass < 2; ++pass) {
            strings.Clear();
            for (size_t at = 0; at < file.size();) {
                const size_t piece = std::min<size_t>(random() % 70000 * (random() % 2), file.size() - at);
                extractor.Feed(file.data() + at, piece);
                at += piece;
            }
            extractor.Finish();
            ASSERT_EQ(strings.Lines(), expected);
        }
    }
}

}  // namespace
}  // namespace zarvik
