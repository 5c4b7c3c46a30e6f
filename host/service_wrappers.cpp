#include "host/service_wrappers.h"

#include "host/binding.h"
#include "host/translate/translation.h"

namespace regionflags::host {
namespace {

// Calls the service in `slot` with the wrapper's own arguments, at their own widths, or
// answers `absent` when the editor does not export it.
template <typename Service, typename Result, typename... Args>
Result CallHostService(HostService slot, Result absent, Args... args) {
    const auto service = HostServiceAt<Service>(slot);
    return service != nullptr ? service(args...) : absent;
}

}  // namespace

MassEditHandle QL_StartMassEdit(const void* region, uint32_t zero, uint32_t version) {
    return CallHostService<StartMassEditService>(kStartMassEditSlot, MassEditHandle{0}, region, zero, version);
}

int16_t QL_MassEditProgress(MassEditHandle handle, int16_t four, int16_t staff, int16_t measure,
                            int16_t minusOne, uint32_t version) {
    return CallHostService<MassEditProgressService>(kMassEditProgressSlot, int16_t{0}, handle, four, staff,
                                                    measure, minusOne, version);
}

int16_t QL_EndMassEdit(MassEditHandle handle, int16_t abandoned, uint32_t version) {
    return CallHostService<EndMassEditService>(kEndMassEditSlot, int16_t{0}, handle, abandoned, version);
}

int16_t QL_GetShowLayer(int16_t layer, uint32_t version) {
    return CallHostService<GetShowLayerService>(kGetShowLayerSlot, int16_t{0}, layer, version);
}

void* QL_LoadTGF(uint16_t startRef, int16_t staff, int16_t measure, int16_t layer, int16_t one,
                 uint32_t version) {
    return CallHostService<LoadTGFService>(kLoadTGFSlot, static_cast<void*>(nullptr), startRef, staff, measure,
                                           layer, one, version);
}

int16_t QL_SaveTGF(void* frame, uint32_t version) {
    return CallHostService<SaveTGFService>(kSaveTGFSlot, int16_t{0}, frame, version);
}

int16_t QL_FreeTGF(void* frame, uint32_t version) {
    return CallHostService<FreeTGFService>(kFreeTGFSlot, int16_t{0}, frame, version);
}

// The data-record wrappers translate preference records around their forward.
int16_t QL_LoadEData(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version) {
    const auto editorLoad = HostServiceAt<LoadEDataService>(kLoadEDataSlot);
    if (editorLoad == nullptr) return 0;
    return translate::TranslateLoad(editorLoad, tag, key, buffer, size, version);
}

int16_t QL_SaveEData(uint32_t tag, void* key, const void* buffer, int32_t length, uint32_t version) {
    const auto editorSave = HostServiceAt<SaveEDataService>(kSaveEDataSlot);
    if (editorSave == nullptr) return 0;
    return translate::TranslateSave(editorSave, tag, key, buffer, length, version);
}

}  // namespace regionflags::host
