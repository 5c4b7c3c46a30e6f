#include <dlfcn.h>

#include "host/platform.h"

namespace regionflags::platform {

ModuleHandle GetModuleHandleA(const char* name) {
    // A null name gives the global scope of the process: the executable and what it
    // loaded at start-up, which is where the editor's exported services live. A named
    // module is only found when it is loaded already, as on Windows.
    if (name == nullptr) return dlopen(nullptr, RTLD_LAZY);
    return dlopen(name, RTLD_LAZY | RTLD_NOLOAD);
}

ProcAddress GetProcAddress(ModuleHandle module, const char* name) {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<ProcAddress>(dlsym(module, name));
}

}  // namespace regionflags::platform
