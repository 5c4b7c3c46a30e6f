#pragma once
// Puts the module's binding back as it is when the module is freshly loaded: no handle
// fetched, no service looked up.

#include "host/binding.h"

namespace testsupport {

inline void ResetHostBinding() {
    using namespace regionflags::host;
    gHostBinding.module.handle.store(nullptr);
    gHostBinding.module.fetched.store(0);
    for (EntryPointSlot& slot : gHostBinding.slots) {
        slot.address.store(0);
        slot.resolved.store(0);
    }
}

}  // namespace testsupport
