#pragma once
// Starts window_host.exe (beside the running program, or in ../tests for a
// benchmark) and ends it again: the one process the window-list tests may
// terminate.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

class WindowHost {
public:
    WindowHost(const std::string& windowClass, int childrenEach, int numbered,
               const std::vector<std::string>& captions = {}) {
        const std::string event = "zk_host_ready_" + std::to_string(::GetCurrentProcessId()) +
                                  "_" + std::to_string(++Counter());
        HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, event.c_str());
        std::string command = "\"" + HostPath() + "\" " + event + " " +
                              std::to_string(::GetCurrentProcessId()) + " " + windowClass + " " +
                              std::to_string(childrenEach) + " " + std::to_string(numbered);
        for (const std::string& c : captions) command += " \"" + c + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &si, &pi)) {
            process_ = pi.hProcess;
            id_ = pi.dwProcessId;
            ::CloseHandle(pi.hThread);
            HANDLE both[] = {ready, process_};
            ::WaitForMultipleObjects(2, both, FALSE, 120000);
        }
        ::CloseHandle(ready);
    }
    ~WindowHost() {
        if (!process_) return;
        if (Running()) ::TerminateProcess(process_, 0);
        ::WaitForSingleObject(process_, 10000);
        ::CloseHandle(process_);
    }
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    bool Running() const { return process_ && ::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    // Waits up to `ms` for the process to end; true when it has.
    bool Ended(DWORD ms) const { return process_ && ::WaitForSingleObject(process_, ms) == WAIT_OBJECT_0; }
    DWORD Id() const { return id_; }

    static std::string HostPath() {
        char self[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string dir(self);
        dir.resize(dir.find_last_of('\\') + 1);
        const std::string beside = dir + "window_host.exe";
        if (::GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES) return beside;
        return dir + "..\\tests\\window_host.exe";
    }

private:
    static int& Counter() {
        static int n = 0;
        return n;
    }
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

}  // namespace testing_support
