#include "editor/exported_services.h"

#include <type_traits>

#include "editor/standin_editor.h"
#include "host/services.h"

using standin::CurrentEditor;
namespace contract = regionflags::host;

// Every service keeps the exact signature the plug-in calls it with.
static_assert(std::is_same_v<decltype(&QL_StartMassEdit), contract::StartMassEditService>);
static_assert(std::is_same_v<decltype(&QL_MassEditProgress), contract::MassEditProgressService>);
static_assert(std::is_same_v<decltype(&QL_EndMassEdit), contract::EndMassEditService>);
static_assert(std::is_same_v<decltype(&QL_GetShowLayer), contract::GetShowLayerService>);
static_assert(std::is_same_v<decltype(&QL_LoadTGF), contract::LoadTGFService>);
static_assert(std::is_same_v<decltype(&QL_SaveTGF), contract::SaveTGFService>);
static_assert(std::is_same_v<decltype(&QL_FreeTGF), contract::FreeTGFService>);
static_assert(std::is_same_v<decltype(&QL_LoadEData), contract::LoadEDataService>);
static_assert(std::is_same_v<decltype(&QL_SaveEData), contract::SaveEDataService>);

extern "C" {

#ifndef STANDIN_OMIT_QL_StartMassEdit
uint32_t QL_CALL QL_StartMassEdit(const void* region, uint32_t zero, uint32_t version) {
    return CurrentEditor() ? CurrentEditor()->StartMassEdit(region, zero, version) : 0;
}
#endif

#ifndef STANDIN_OMIT_QL_MassEditProgress
int16_t QL_CALL QL_MassEditProgress(uint32_t handle, int16_t four, int16_t staff, int16_t measure, int16_t minusOne,
                                    uint32_t version) {
    return CurrentEditor() ? CurrentEditor()->MassEditProgress(handle, four, staff, measure, minusOne, version) : 0;
}
#endif

#ifndef STANDIN_OMIT_QL_EndMassEdit
int16_t QL_CALL QL_EndMassEdit(uint32_t handle, int16_t abandoned, uint32_t version) {
    return CurrentEditor() ? CurrentEditor()->EndMassEdit(handle, abandoned, version) : 0;
}
#endif

#ifndef STANDIN_OMIT_QL_GetShowLayer
int16_t QL_CALL QL_GetShowLayer(int16_t layer, uint32_t version) {
    return CurrentEditor() ? CurrentEditor()->GetShowLayer(layer, version) : 0;
}
#endif

#ifndef STANDIN_OMIT_QL_LoadTGF
void* QL_CALL QL_LoadTGF(uint16_t startRef, int16_t staff, int16_t measure, int16_t layer, int16_t one,
                         uint32_t version) {
    return CurrentEditor() ? CurrentEditor()->LoadTGF(startRef, staff, measure, layer, one, version) : nullptr;
}
#endif

#ifndef STANDIN_OMIT_QL_SaveTGF
int16_t QL_CALL QL_SaveTGF(void* frame, uint32_t version) {
    return CurrentEditor() ? CurrentEditor()->SaveTGF(frame, version) : 0;
}
#endif

#ifndef STANDIN_OMIT_QL_FreeTGF
int16_t QL_CALL QL_FreeTGF(void* frame, uint32_t version) {
    return CurrentEditor() ? CurrentEditor()->FreeTGF(frame, version) : 0;
}
#endif

#ifndef STANDIN_OMIT_QL_LoadEData
int16_t QL_CALL QL_LoadEData(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version) {
    return CurrentEditor() ? CurrentEditor()->LoadEData(tag, key, buffer, size, version) : 0;
}
#endif

#ifndef STANDIN_OMIT_QL_SaveEData
int16_t QL_CALL QL_SaveEData(uint32_t tag, void* key, const void* buffer, int32_t length, uint32_t version) {
    return CurrentEditor() ? CurrentEditor()->SaveEData(tag, key, buffer, length, version) : 0;
}
#endif

}  // extern "C"

namespace standin {

#define STANDIN_SERVICE(name) {#name, reinterpret_cast<void (*)()>(&name)}

const std::vector<ExportedService>& ExportedServices() {
    static const std::vector<ExportedService> services = {
#ifndef STANDIN_OMIT_QL_StartMassEdit
        STANDIN_SERVICE(QL_StartMassEdit),
#endif
#ifndef STANDIN_OMIT_QL_MassEditProgress
        STANDIN_SERVICE(QL_MassEditProgress),
#endif
#ifndef STANDIN_OMIT_QL_EndMassEdit
        STANDIN_SERVICE(QL_EndMassEdit),
#endif
#ifndef STANDIN_OMIT_QL_GetShowLayer
        STANDIN_SERVICE(QL_GetShowLayer),
#endif
#ifndef STANDIN_OMIT_QL_LoadTGF
        STANDIN_SERVICE(QL_LoadTGF),
#endif
#ifndef STANDIN_OMIT_QL_SaveTGF
        STANDIN_SERVICE(QL_SaveTGF),
#endif
#ifndef STANDIN_OMIT_QL_FreeTGF
        STANDIN_SERVICE(QL_FreeTGF),
#endif
#ifndef STANDIN_OMIT_QL_LoadEData
        STANDIN_SERVICE(QL_LoadEData),
#endif
#ifndef STANDIN_OMIT_QL_SaveEData
        STANDIN_SERVICE(QL_SaveEData),
#endif
    };
    return services;
}

}  // namespace standin
