#include "core/LogFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zarvik {
namespace {

int64_t Nanoseconds(const timespec& t) { return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; }

// Closes the descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // A close that fails may mean the data never reached the file.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteFully(int fd, uint64_t offset, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
        offset += static_cast<uint64_t>(written);
    }
    return true;
}

class PosixLogFileSystem final : public LogFileSystem {
public:
    std::optional<FileStamp> Stamp(const std::string& path) override {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
        return FileStamp{static_cast<uint64_t>(info.st_size), Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim)};
    }

    std::optional<std::string> ReadAll(const std::string& path) override {
        FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (!file.IsOpen()) return std::nullopt;
        std::string text;
        char buffer[65536];
        // Read to the end rather than trusting a size taken earlier: the file
        // may grow meanwhile.
        for (;;) {
            const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return std::nullopt;
            if (got == 0) return text;
            text.append(buffer, static_cast<size_t>(got));
        }
    }

    bool Write(const std::string& path, uint64_t offset, std::string_view bytes, EndOfFile end) override {
        FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
        if (!file.IsOpen()) return false;
        if (!WriteFully(file.Get(), offset, bytes)) return false;
        if (end == EndOfFile::SetAfterWrite && ::ftruncate(file.Get(), static_cast<off_t>(offset + bytes.size())) != 0)
            return false;
        return file.Close();
    }
};

}  // namespace

std::unique_ptr<LogFileSystem> MakePlatformLogFileSystem() { return std::make_unique<PosixLogFileSystem>(); }

}  // namespace zarvik
