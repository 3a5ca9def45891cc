#include "shell/PageContext.h"

#include <stdexcept>

namespace zarvik {

Session::Session(SystemPaths& paths)
    : paths_(paths), logFileSystem_(MakePlatformLogFileSystem()) {}

Session::~Session() = default;

LogStore& Session::LogFile() {
    if (!logFile_) throw std::logic_error("The log file is not open");
    return *logFile_;
}

void Session::OpenLogFile(const std::string& path) {
    logFile_ = std::make_unique<LogStore>(path, *logFileSystem_);
}

}  // namespace zarvik
