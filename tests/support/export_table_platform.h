#pragma once
// A platform layer under the module for programs that are their own editor (fuzzers,
// benchmarks, the allocation test): each run names the services it exports; the rest are
// not found.

#include <cstdint>

namespace testsupport {

struct ServiceExport {
    const char* name;
    void (*address)();
};

// A service as an entry of the table, under the type the module will call it as.
template <typename Service>
void (*AsExport(Service service))() {
    return reinterpret_cast<void (*)()>(service);
}

// `exports` must stay valid for the run; the binding is reset so every name is looked up anew.
void BeginRun(const ServiceExport* exports, int count);

}  // namespace testsupport
