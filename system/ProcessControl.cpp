#include "system/ProcessControl.h"

#include "shell/Prompts.h"
#include "ui/Handles.h"

namespace zarvik {

namespace {

// How long Kill Process waits for the process to be gone before the list is
// rebuilt; a process that takes longer is simply listed until the next refresh.
constexpr DWORD kEndWaitMs = 3000;

}  // namespace

ProcessControl::KillResult Win32ProcessControl::Terminate(DWORD processId) {
    ui::KernelHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, processId));
    if (!process) return KillResult::NotOpened;
    // A second handle, where the system grants one, to see the process end:
    // termination only starts it, and the list rebuilt at once would still
    // show the windows of a process that is on its way out.
    ui::KernelHandle waitable(::OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (!::TerminateProcess(process.Get(), static_cast<UINT>(-9))) return KillResult::NotTerminated;
    if (waitable) ::WaitForSingleObject(waitable.Get(), kEndWaitMs);
    return KillResult::Terminated;
}

std::optional<std::string> Win32ProcessControl::ForceShutdown() {
    // The NT family refuses a shutdown without this privilege; the 95
    // family has no tokens, and there the call below decides alone.
    ui::KernelHandle token;
    if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                           token.Put())) {
        TOKEN_PRIVILEGES privileges{};
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege",
                                    &privileges.Privileges[0].Luid))
            ::AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
    }
    if (::ExitWindowsEx(EWX_SHUTDOWN | EWX_FORCE, 0)) return std::nullopt;
    return SystemErrorText(::GetLastError());
}

}  // namespace zarvik
