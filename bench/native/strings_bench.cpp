// ExtractStrings natively over a large file of real executables, beside GNU
// strings -n 6 on the same file. Prints figures; asserts nothing.
// Usage: strings_bench [MEGABYTES] [DIRECTORY...]
//   default: 256 MB of Wine's DLLs from /usr/lib/{x86_64,i386}-linux-gnu/wine
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "inspect/StringExtraction.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of this process or of its finished children: on a busy
// machine a fairer measure than the clock on the wall.
double CpuSeconds(int who) {
    rusage u{};
    ::getrusage(who, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

constexpr size_t kPiece = 256 * 1024;  // as the File Viewer reads

template <typename Take>
bool ReadInPieces(const std::string& path, Take take) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    static char buffer[kPiece];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) take(buffer, static_cast<size_t>(got));
    ::close(fd);
    return got == 0;
}

// The DLLs of the directories, one after another, until `size` bytes.
bool MakeExecutablesFile(const std::string& path, size_t size, const std::vector<std::string>& dirs) {
    std::vector<std::string> files;
    for (const std::string& dir : dirs) {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(dir, ec))
            if (entry.is_regular_file() && entry.path().extension() == ".dll") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) return false;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    size_t written = 0;
    for (size_t i = 0; written < size; i = (i + 1) % files.size()) {
        ReadInPieces(files[i], [&](const char* bytes, size_t count) {
            const size_t part = std::min(count, size - written);
            written += std::fwrite(bytes, 1, part, out);
        });
    }
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256;
    std::vector<std::string> dirs(argv + std::min(argc, 2), argv + argc);
    if (dirs.empty()) dirs = {"/usr/lib/x86_64-linux-gnu/wine", "/usr/lib/i386-linux-gnu/wine"};
    const std::string file = (fs::temp_directory_path() / "zarvik-strings-bench.bin").string();
    if (!MakeExecutablesFile(file, megabytes << 20, dirs)) {
        std::printf("cannot make the test file from the DLLs of the given directories\n");
        return 1;
    }
    ReadInPieces(file, [](const char*, size_t) {});  // into the system cache
    std::printf("ExtractStrings on %zu MB of DLLs (%s)\n", megabytes, file.c_str());

    double ours = 1e30, gnu = 1e30, oursCpu = 1e30, gnuCpu = 1e30;
    size_t count = 0, bytes = 0;
    for (int round = 0; round < 3; ++round) {
        zarvik::StringList strings;
        const auto start = Clock::now();
        const double cpu = CpuSeconds(RUSAGE_SELF);
        zarvik::StringExtractor extractor(strings);
        ReadInPieces(file, [&](const char* b, size_t n) { extractor.Feed(b, n); });
        extractor.Finish();
        ours = std::min(ours, SecondsSince(start));
        oursCpu = std::min(oursCpu, CpuSeconds(RUSAGE_SELF) - cpu);
        count = strings.Count();
        bytes = strings.Text().size();
    }
    const std::string command = "strings -n 6 '" + file + "' > /dev/null";
    for (int round = 0; round < 3; ++round) {
        const auto start = Clock::now();
        const double cpu = CpuSeconds(RUSAGE_CHILDREN);
        if (std::system(command.c_str()) != 0) {
            std::printf("  GNU strings did not run\n");
            gnu = 0;
            break;
        }
        gnu = std::min(gnu, SecondsSince(start));
        gnuCpu = std::min(gnuCpu, CpuSeconds(RUSAGE_CHILDREN) - cpu);
    }
    const double mb = static_cast<double>(megabytes);
    std::printf("  %zu strings, %.1f MB of text\n", count, static_cast<double>(bytes) / (1 << 20));
    std::printf("                        wall clock              processor time\n");
    std::printf("  ExtractStrings      %8.1f MB/s (%5.2f s)  %8.1f MB/s (%5.2f s)\n", mb / ours, ours,
                mb / oursCpu, oursCpu);
    if (gnu > 0) {
        std::printf("  floor: GNU strings -n 6 on the same file\n");
        std::printf("  GNU strings -n 6    %8.1f MB/s (%5.2f s)  %8.1f MB/s (%5.2f s)\n", mb / gnu, gnu,
                    mb / gnuCpu, gnuCpu);
        std::printf("  ratio ours / GNU    %8.2f                 %8.2f   (target: at least 1)\n",
                    gnu / ours, gnuCpu / oursCpu);
    }
    fs::remove(file);
    return 0;
}
