#include "support/export_table_platform.h"

#include <cstring>

#include "host/platform.h"
#include "support/binding_reset.h"

namespace testsupport {
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

}  // namespace testsupport

namespace regionflags::platform {

ModuleHandle GetModuleHandleA(const char* name) { return name == nullptr ? &testsupport::gModule : nullptr; }

ProcAddress GetProcAddress(ModuleHandle module, const char* name) {
    if (module != &testsupport::gModule) return nullptr;
    for (int k = 0; k < testsupport::gCount; ++k)
        if (testsupport::gExports[k].address != nullptr && std::strcmp(testsupport::gExports[k].name, name) == 0)
            return testsupport::gExports[k].address;
    return nullptr;
}

}  // namespace regionflags::platform
