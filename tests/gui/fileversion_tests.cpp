// The version reader beside the platform's version functions: on our own
// test libraries, and over every DLL and EXE of the System directories.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "core/PeVersion.h"
#include "platform/FileIO.h"
#include "platform/FileNames.h"

using namespace zarvik;

namespace {

class HandleBytes final : public ByteSource {
public:
    explicit HandleBytes(HANDLE file) : file_(file) {
        LARGE_INTEGER size{};
        length_ = ::GetFileSizeEx(file, &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
    }
    uint64_t Length() const override { return length_; }
    size_t ReadAt(uint64_t offset, void* buffer, size_t size) override {
        ++reads;
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD got = 0;
        return ::ReadFile(file_, buffer, static_cast<DWORD>(size), &got, &at) ? got : 0;
    }
    size_t reads = 0;

private:
    HANDLE file_;
    uint64_t length_ = 0;
};

std::string Text(const std::optional<FileVersion>& version) {
    return version ? FormatVersion(*version) : "no version";
}

std::string OursText(const std::string& path, size_t& reads) {
    const platform::FileHandle file = platform::OpenForReading(path, FILE_SHARE_READ);
    if (!file) return "cannot open";
    HandleBytes bytes(file.Get());
    const std::string text = Text(ReadFileVersion(bytes));
    reads += bytes.reads;
    return text;
}

std::string PlatformText(const std::string& path) {
    const std::wstring wide = platform::WidePath(path);
    platform::NativeFileSystem native;
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(wide.c_str(), &ignored);
    std::vector<char> block(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!size || !::GetFileVersionInfoW(wide.c_str(), 0, size, block.data()) ||
        !::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
        length < sizeof *fixed)
        return Text(std::nullopt);
    return Text(FileVersion{{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                             HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)}});
}

TEST(FileVersion, OurTestLibrariesCarryTheirVersions) {
    size_t reads = 0;
    EXPECT_EQ(OursText(ZARVIK_VERSION_NEWER_DLL, reads), "6.2.8073.0");
    EXPECT_EQ(OursText(ZARVIK_VERSION_OLDER_DLL, reads), "6.0.8168.0");
    EXPECT_EQ(PlatformText(ZARVIK_VERSION_OLDER_DLL), "6.0.8168.0");
}

TEST(FileVersion, MatchesThePlatformOverTheSystemDirectories) {
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    std::vector<std::string> directories{system};
    if (const std::string wow64 = platform::SystemWow64Directory(); !wow64.empty()) directories.push_back(wow64);

    std::vector<std::string> paths;
    for (const std::string& directory : directories)
        for (const char* mask : {"\\*.dll", "\\*.exe"}) {
            WIN32_FIND_DATAA found{};
            platform::NativeFileSystem native;
            const platform::FindHandle find(::FindFirstFileA((directory + mask).c_str(), &found));
            for (bool more = static_cast<bool>(find); more; more = ::FindNextFileA(find.Get(), &found))
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    paths.push_back(directory + "\\" + found.cFileName);
        }

    const auto start = std::chrono::steady_clock::now();
    size_t versioned = 0, reads = 0;
    for (const std::string& path : paths) {
        const std::string ours = OursText(path, reads);
        EXPECT_EQ(ours, PlatformText(path)) << path;
        versioned += ours.find('.') != std::string::npos;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%zu files compared, %zu with a version, %.2f reads a file, %.1f s\n", paths.size(), versioned,
                static_cast<double>(reads) / static_cast<double>(paths.size()), took.count());
    EXPECT_GT(versioned, 100u);
}

}  // namespace
