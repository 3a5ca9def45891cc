// The version reader beside the platform's version functions: on our own
// test libraries, and over every DLL and EXE of the System directories.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "core/PeVersion.h"
#include "platform/FileFind.h"
#include "platform/FileIO.h"
#include "platform/FileNames.h"

using namespace zarvik;

namespace {

std::string Text(const std::optional<FileVersion>& version) {
    return version ? FormatVersion(*version) : "no version";
}

// What Build logs: the probe's version, read from the handle it holds.
std::string OursText(const std::string& path) {
    const std::string version = platform::ProbeFile(path).version;
    return version.empty() ? Text(std::nullopt) : version;
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
    EXPECT_EQ(OursText(ZARVIK_VERSION_NEWER_DLL), "6.2.8073.0");
    EXPECT_EQ(OursText(ZARVIK_VERSION_OLDER_DLL), "6.0.8168.0");
    EXPECT_EQ(PlatformText(ZARVIK_VERSION_OLDER_DLL), "6.0.8168.0");
}

TEST(FileVersion, MatchesThePlatformOverTheSystemDirectories) {
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    std::vector<std::string> directories{system};
    if (const std::string wow64 = platform::SystemWow64Directory(); !wow64.empty()) directories.push_back(wow64);

    std::vector<std::string> paths;
    for (const std::string& directory : directories)
        for (const char* mask : {"*.dll", "*.exe"})
            for (const std::string& name : platform::ListPlainFiles(directory, mask))
                paths.push_back(directory + "\\" + name);

    const auto start = std::chrono::steady_clock::now();
    size_t versioned = 0;
    for (const std::string& path : paths) {
        const std::string ours = OursText(path);
        EXPECT_EQ(ours, PlatformText(path)) << path;
        versioned += ours.find('.') != std::string::npos;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%zu files compared, %zu with a version, %.1f s\n", paths.size(), versioned, took.count());
    EXPECT_GT(versioned, 100u);
}

}  // namespace
