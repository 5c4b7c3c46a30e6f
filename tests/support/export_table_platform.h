#pragma once
// A platform layer under the module for programs that are their own editor (fuzzers,
// benchmarks, the allocation test): each run says which services it exports; a null one,
// and every other name, is not found.

#include "host/services.h"

namespace testsupport {

struct EditorServices {
    regionflags::host::StartMassEditService startMassEdit = nullptr;
    regionflags::host::MassEditProgressService massEditProgress = nullptr;
    regionflags::host::EndMassEditService endMassEdit = nullptr;
    regionflags::host::GetShowLayerService getShowLayer = nullptr;
    regionflags::host::LoadTGFService loadTGF = nullptr;
    regionflags::host::SaveTGFService saveTGF = nullptr;
    regionflags::host::FreeTGFService freeTGF = nullptr;
    regionflags::host::LoadEDataService loadEData = nullptr;
    regionflags::host::SaveEDataService saveEData = nullptr;
};

// The binding is reset, so every name is looked up anew.
void BeginRun(const EditorServices& services);

}  // namespace testsupport
