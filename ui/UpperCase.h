#pragma once
// Upper case as the ANSI code page has it: the system's own fold, which its
// INI functions and its users' eyes agree with, where core/ folds plain ASCII.
#include <windows.h>

#include <string>
#include <string_view>

namespace ui {

inline std::string AnsiUpperCase(std::string_view text) {
    std::string s(text);
    if (!s.empty()) ::CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

}  // namespace ui
