#pragma once
// Functions that only some versions of Windows export (layered windows,
// PrintWindow, ...) are looked up when first needed, so the program still
// starts where one is missing and the caller takes its fallback.
#include <windows.h>

namespace platform {

// The function `name` of the system DLL `module`, or nullptr when this
// system has no such function. A DLL loaded here stays loaded for the
// process, as the returned pointer needs it.
template <typename Fn>
Fn* SystemFunction(const char* module, const char* name) {
    HMODULE dll = ::GetModuleHandleA(module);
    if (!dll) dll = ::LoadLibraryA(module);
    if (!dll) return nullptr;
    return reinterpret_cast<Fn*>(reinterpret_cast<void*>(::GetProcAddress(dll, name)));
}

}  // namespace platform
