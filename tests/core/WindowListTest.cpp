#include "system/WindowList.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace zarvik {
namespace {

std::string Upper(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

TEST(WindowEntryTest, CaptionFieldKeepsOneSpaceUpTo39Characters) {
    EXPECT_EQ(CaptionField(""), " ");
    EXPECT_EQ(CaptionField("Untitled"), "Untitled ");
    EXPECT_EQ(CaptionField(std::string(39, 'a')), std::string(39, 'a') + " ");
    EXPECT_EQ(CaptionField(std::string(40, 'b')), std::string(40, 'b'));
    EXPECT_EQ(CaptionField(std::string(41, 'c') + "tail"), std::string(40, 'c'));
}

TEST(WindowEntryTest, TopLevelAndChildEntries) {
    EXPECT_EQ(TopLevelEntry(1234, "Untitled", "Notepad", 0x1A2B), "1234\tUntitled \tNotepad\t1a2b\t");
    EXPECT_EQ(ChildEntry(1234, "", "Edit", 0xABC0), "-->1234\t \tEdit\tabc0");
    EXPECT_EQ(TopLevelEntry(0xFFFFFFFEu, "x", "C", 0), "-2\tx \tC\t0\t") << "the ID is signed";
    EXPECT_EQ(LowerHex(0x00FF00), "ff00");
    EXPECT_EQ(UpperHex(0xDEADBEEF12ull), "DEADBEEF12");
    EXPECT_TRUE(IsChildEntry("-->1\t \tC\t1"));
    EXPECT_FALSE(IsChildEntry("1\t \tC\t1\t"));
    EXPECT_FALSE(IsChildEntry(""));
}

TEST(WindowEntryTest, ProcessIdIsTheTextBeforeTheFirstTab) {
    EXPECT_EQ(EntryProcessId("1234\tUntitled \tNotepad\t1a2b\t"), 1234u);
    EXPECT_EQ(EntryProcessId("-2\tx \tC\t0\t"), 0xFFFFFFFEu);
    EXPECT_EQ(EntryProcessId("4294967295\t"), 0xFFFFFFFFu);
    EXPECT_FALSE(EntryProcessId("4294967296\t"));
    EXPECT_FALSE(EntryProcessId("-->12\tx"));
    EXPECT_FALSE(EntryProcessId("12a\t"));
    EXPECT_FALSE(EntryProcessId(""));
}

TEST(WindowEntryTest, FindMatchesAnyFieldFromTheStartWithoutWrapping) {
    const std::vector<std::string> entries = {TopLevelEntry(10, "Alpha", "FirstClass", 0xab12),
                                              ChildEntry(10, "beta", "Button", 0xcd34),
                                              TopLevelEntry(77, "Gamma", "Other", 0xef56)};
    EXPECT_EQ(FindEntry(entries, 0, "ALPHA", Upper), 0u);
    EXPECT_EQ(FindEntry(entries, 0, "CD34", Upper), 1u) << "the handle field";
    EXPECT_EQ(FindEntry(entries, 0, "77\t", Upper), 2u) << "the process ID field";
    EXPECT_EQ(FindEntry(entries, 1, "button", Upper), 1u);
    EXPECT_FALSE(FindEntry(entries, 1, "alpha", Upper)) << "no wrap to the top";
    EXPECT_FALSE(FindEntry(entries, 3, "gamma", Upper));
    EXPECT_FALSE(FindEntry(entries, 9, "gamma", Upper));
    EXPECT_FALSE(FindEntry(entries, 0, "", Upper));
}

TEST(IconFileTest, OneImageWithHeaderColourAndMask) {
    IconImage image;
    image.width = 16;
    image.height = 16;
    image.bitsPerPixel = 32;
    image.colorBits.assign(16 * 16 * 4, 0x7F);
    image.maskBits.assign(DibRowBytes(16, 1) * 16, 0);
    const std::string bytes = IconFileBytes(image);
    ASSERT_EQ(bytes.size(), 6u + 16 + 40 + 1024 + 64);
    EXPECT_EQ(bytes.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
    EXPECT_EQ(bytes[6], 16);
    EXPECT_EQ(bytes[7], 16);
    EXPECT_EQ(static_cast<unsigned char>(bytes[18]), 22u) << "image data offset";
    EXPECT_EQ(bytes[22], 40) << "BITMAPINFOHEADER size";
    EXPECT_EQ(bytes[30], 32) << "colour and mask rows together";
    EXPECT_EQ(bytes[62], 0x7F);

    IconImage indexed = image;
    indexed.bitsPerPixel = 4;
    indexed.palette.assign(16, 0x00FF00FF);
    indexed.colorBits.assign(DibRowBytes(16, 4) * 16, 0x12);
    const std::string small = IconFileBytes(indexed);
    EXPECT_EQ(small.size(), 6u + 16 + 40 + 64 + 128 + 64);
    EXPECT_EQ(small[8], 16) << "colour count";

    image.maskBits.pop_back();
    EXPECT_THROW(IconFileBytes(image), std::invalid_argument);
    image.width = 0;
    EXPECT_THROW(IconFileBytes(image), std::invalid_argument);
}

TEST(IconFileTest, AnAllZeroAlphaChannelBecomes24Bit) {
    IconImage image;
    image.width = 3;
    image.height = 2;
    image.bitsPerPixel = 32;
    image.colorBits = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0, 13, 14, 15, 0, 16, 17, 18, 0};
    image.maskBits.assign(8, 0);
    IconImage alpha = image;
    alpha.colorBits[7] = 0x80;
    DropEmptyAlpha(alpha);
    EXPECT_EQ(alpha.bitsPerPixel, 32) << "a real alpha channel stays";
    DropEmptyAlpha(image);
    EXPECT_EQ(image.bitsPerPixel, 24);
    EXPECT_EQ(image.colorBits, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0,
                                                          10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0}))
        << "rows padded to 4 bytes";
    EXPECT_NO_THROW(IconFileBytes(image));
}

}  // namespace
}  // namespace zarvik
