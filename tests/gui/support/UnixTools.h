#pragma once
// Running the host's own programs (an RTF reader, the PDF tools) from a test
// under Wine, and the host's view of Windows paths.
#include <optional>
#include <string>

namespace testing_support {

// True when the program runs under Wine (the host's tools are reachable).
bool UnderWine();

// The host path of a Windows path; empty when there is none.
std::string UnixPath(const std::string& windowsPath);

// Runs a /bin/sh script on the host and returns what it wrote to standard
// output and standard error; nullopt when it could not be started or did not
// finish within `limitSeconds` (by default a bound on hangs alone, just
// inside CTest's time-out). The host process is not a Windows process
// that can be waited on, so its end is seen by a file it renames last.
std::optional<std::string> RunHostShell(const std::string& script, int limitSeconds = 240);

}  // namespace testing_support
