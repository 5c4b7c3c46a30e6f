#pragma once
// Finds the editor's services by name in the editor's executable, the first time each is
// needed, and keeps what it found for the life of the module. No look-up is retried: a
// service the editor lacks stays resolved to a null address.

#include <atomic>
#include <cstdint>

#include "host/entry_point_names.h"
#include "host/platform.h"

namespace regionflags::host {

struct HostModule {
    std::atomic<platform::ModuleHandle> handle;
    std::atomic<uint8_t> fetched;
};

// The address is stored before the flag is set (release), and read after the flag is
// seen set (acquire), so a caller that sees the flag finds the address in place.
struct EntryPointSlot {
    std::atomic<uintptr_t> address;
    std::atomic<uint8_t> resolved;
};

struct HostBinding {
    HostModule module;
    EntryPointSlot slots[kHostEntryPointCount];
};

// The module's only writable state: zero when the module is loaded.
extern constinit HostBinding gHostBinding;

platform::ModuleHandle GetHostModule();
uintptr_t ResolveHostEntryPoint(EntryPointSlot& slot, const char* name);

inline uintptr_t HostEntryPointAddress(HostService service) {
    EntryPointSlot& slot = gHostBinding.slots[service];
    if (slot.resolved.load(std::memory_order_acquire) != 0) return slot.address.load(std::memory_order_relaxed);
    return ResolveHostEntryPoint(slot, HostEntryPointNames[service]);
}

template <typename Service>
Service HostServiceAt(HostService service) {
    return reinterpret_cast<Service>(HostEntryPointAddress(service));  // NOLINT(performance-no-int-to-ptr): the slot keeps an address
}

inline bool HostServicePresent(HostService service) { return HostEntryPointAddress(service) != 0; }

}  // namespace regionflags::host
