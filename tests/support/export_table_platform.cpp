#include "support/export_table_platform.h"

#include <cstring>

#include "host/entry_point_names.h"
#include "host/platform.h"
#include "support/binding_reset.h"

namespace testsupport {
namespace {

EditorServices gServices;
int gModule;  // its address stands for the editor's module handle

using regionflags::platform::ProcAddress;
using namespace regionflags::host;

template <typename Service>
ProcAddress Exported(HostService slot, const char* name, Service service) {
    if (std::strcmp(HostEntryPointNames[slot], name) != 0) return nullptr;
    return reinterpret_cast<ProcAddress>(service);
}

ProcAddress Find(const char* name) {
    const EditorServices& s = gServices;
    for (ProcAddress found : {Exported(kStartMassEditSlot, name, s.startMassEdit),
                              Exported(kMassEditProgressSlot, name, s.massEditProgress),
                              Exported(kEndMassEditSlot, name, s.endMassEdit),
                              Exported(kGetShowLayerSlot, name, s.getShowLayer), Exported(kLoadTGFSlot, name, s.loadTGF),
                              Exported(kSaveTGFSlot, name, s.saveTGF), Exported(kFreeTGFSlot, name, s.freeTGF),
                              Exported(kLoadEDataSlot, name, s.loadEData), Exported(kSaveEDataSlot, name, s.saveEData)})
        if (found != nullptr) return found;
    return nullptr;
}

}  // namespace

void BeginRun(const EditorServices& services) {
    gServices = services;
    ResetHostBinding();
}

}  // namespace testsupport

namespace regionflags::platform {

ModuleHandle GetModuleHandleA(const char* name) { return name == nullptr ? &testsupport::gModule : nullptr; }

ProcAddress GetProcAddress(ModuleHandle module, const char* name) {
    return module == &testsupport::gModule ? testsupport::Find(name) : nullptr;
}

}  // namespace regionflags::platform
