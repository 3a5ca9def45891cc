#pragma once
// What the View Process List page asks of the system that cannot be undone:
// ending another process and ending the Windows session. Tests put their
// own in place, so they never end the session or a process they did not
// start.
#include <windows.h>

#include <optional>
#include <string>

namespace zarvik {

class ProcessControl {
public:
    enum class KillResult { NotOpened, Terminated, NotTerminated };

    virtual ~ProcessControl() = default;
    // Opens the process for PROCESS_TERMINATE only and ends it with -9.
    virtual KillResult Terminate(DWORD processId) = 0;
    // A forced shutdown of Windows; the platform's reason when it refuses.
    virtual std::optional<std::string> ForceShutdown() = 0;
};

class Win32ProcessControl final : public ProcessControl {
public:
    KillResult Terminate(DWORD processId) override;
    std::optional<std::string> ForceShutdown() override;
};

}  // namespace zarvik
