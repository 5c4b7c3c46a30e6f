#include "host/binding.h"

namespace regionflags::host {

constinit HostBinding gHostBinding{};

platform::ModuleHandle GetHostModule() {
    HostModule& module = gHostBinding.module;
    if (module.fetched.load(std::memory_order_acquire) == 0) {
        module.handle.store(platform::GetModuleHandleA(nullptr), std::memory_order_relaxed);
        module.fetched.store(1, std::memory_order_release);
    }
    return module.handle.load(std::memory_order_relaxed);
}

uintptr_t ResolveHostEntryPoint(EntryPointSlot& slot, const char* name) {
    const auto found = reinterpret_cast<uintptr_t>(platform::GetProcAddress(GetHostModule(), name));
    slot.address.store(found, std::memory_order_relaxed);
    slot.resolved.store(1, std::memory_order_release);
    return found;
}

}  // namespace regionflags::host
