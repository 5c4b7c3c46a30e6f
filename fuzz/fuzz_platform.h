#pragma once
// The platform layer under the module in the fuzzers: each run names the services its
// editor exports; the rest are not found.

#include <cstdint>

namespace fuzzsupport {

struct ServiceExport {
    const char* name;
    void (*address)();
};

// `exports` must stay valid for the run; the binding is reset so every name is looked up anew.
void BeginRun(const ServiceExport* exports, int count);

}  // namespace fuzzsupport
