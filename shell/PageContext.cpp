#include "shell/PageContext.h"

#include <stdexcept>
#include <utility>

namespace zarvik {

Session::Session() : logFileSystem_(MakePlatformLogFileSystem()) {}

Session::~Session() = default;

void Session::Begin(SessionPaths paths) {
    if (logFile_) throw std::logic_error("The session has begun already");
    paths_ = std::move(paths);
    logFile_ = std::make_unique<LogStore>(paths_.logFileName, *logFileSystem_);
}

LogStore& Session::LogFile() const {
    if (!logFile_) throw std::logic_error("The log file is not open");
    return *logFile_;
}

}  // namespace zarvik
