#pragma once
// The one error of a failed system call: what failed, the code GetLastError
// gave and the system's own text for it, which is often the one fact a user
// can act on ("Access is denied.", "The disk is full.").
#include <windows.h>

#include <stdexcept>
#include <string>

namespace platform {

// The system's text for an error code (FormatMessage), without line ends.
std::string SystemErrorText(DWORD code);

class Win32Error : public std::runtime_error {
public:
    // The message is `what`, ". " and the system's text for `code`.
    explicit Win32Error(const std::string& what, DWORD code = ::GetLastError());
    DWORD Code() const noexcept { return code_; }

private:
    DWORD code_;
};

}  // namespace platform
