// The file version reader on our own test libraries and damaged copies.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/PeVersion.h"

using namespace zarvik;

namespace {

std::vector<char> Seed(const std::string& name) {
    std::ifstream in(ZARVIK_PEVERSION_CORPUS "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string VersionOf(const std::vector<char>& bytes, size_t size) {
    MemoryBytes source(bytes.data(), size);
    const auto version = ReadFileVersion(source);
    return version ? FormatVersion(*version) : "none";
}

TEST(ReadFileVersion, ReadsPe32AndPe32Plus) {
    const auto pe32 = Seed("pe32_newer.dll"), pe64 = Seed("pe64_older.dll");
    EXPECT_EQ(VersionOf(pe32, pe32.size()), "6.2.8073.0");
    EXPECT_EQ(VersionOf(pe64, pe64.size()), "6.0.8168.0");
}

TEST(ReadFileVersion, DamagedImagesHaveNone) {
    for (const char* name : {"no_resource", "language_loops_to_root", "name_loops_to_itself", "bad_signature"})
        EXPECT_EQ(VersionOf(Seed(name), Seed(name).size()), "none") << name;
    const auto pe64 = Seed("pe64_older.dll");
    ASSERT_FALSE(pe64.empty());
    for (size_t cut = 0; cut < pe64.size(); ++cut) ASSERT_EQ(VersionOf(pe64, cut), "none") << cut;
}

TEST(ParseVersion, ReadsBackOnlyTheDottedForm) {
    EXPECT_EQ(FormatVersion(ParseVersion("65535.0.10.9").value()), "65535.0.10.9");
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "1.2.3.65536", "1.2.3.-4", " 1.2.3.4", "1..2.3"})
        EXPECT_FALSE(ParseVersion(bad)) << bad;
    EXPECT_LT(*ParseVersion("6.9.0.0"), *ParseVersion("6.10.0.0")) << "numbers, not text";
}

}  // namespace
