#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "host/platform.h"

namespace regionflags::platform {

ModuleHandle GetModuleHandleA(const char* name) { return ::GetModuleHandleA(name); }

ProcAddress GetProcAddress(ModuleHandle module, const char* name) {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<ProcAddress>(::GetProcAddress(static_cast<HMODULE>(module), name));
}

}  // namespace regionflags::platform
