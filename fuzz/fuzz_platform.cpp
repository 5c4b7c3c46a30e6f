#include "fuzz_platform.h"

#include <cstring>

#include "host/platform.h"
#include "support/binding_reset.h"

namespace fuzzsupport {
namespace {
const ServiceExport* gExports = nullptr;
int gCount = 0;
int gModule;
}  // namespace

void BeginRun(const ServiceExport* exports, int count) {
    gExports = exports;
    gCount = count;
    testsupport::ResetHostBinding();
}

}  // namespace fuzzsupport

namespace regionflags::platform {

ModuleHandle GetModuleHandleA(const char* name) { return name == nullptr ? &fuzzsupport::gModule : nullptr; }

ProcAddress GetProcAddress(ModuleHandle module, const char* name) {
    if (module != &fuzzsupport::gModule) return nullptr;
    for (int k = 0; k < fuzzsupport::gCount; ++k)
        if (fuzzsupport::gExports[k].address != nullptr && std::strcmp(fuzzsupport::gExports[k].name, name) == 0)
            return fuzzsupport::gExports[k].address;
    return nullptr;
}

}  // namespace regionflags::platform
