#pragma once
// The editor's services that the module calls, as C function types with the exact width
// of every argument. Each takes a version word last; the module's own calls pass
// kHostCallVersion.

#include <cstdint>

#include "host/calling_convention.h"

namespace regionflags::host {

inline constexpr uint32_t kHostCallVersion = 0x08000000;

// Opened by the editor for one walk and only ever handed back to it.
using MassEditHandle = uint32_t;

extern "C" {
using StartMassEditService = MassEditHandle(QL_CALL*)(const void* region, uint32_t zero, uint32_t version);
using MassEditProgressService = int16_t(QL_CALL*)(MassEditHandle handle, int16_t four, int16_t staff,
                                                  int16_t measure, int16_t minusOne, uint32_t version);
using EndMassEditService = int16_t(QL_CALL*)(MassEditHandle handle, int16_t abandoned, uint32_t version);
using GetShowLayerService = int16_t(QL_CALL*)(int16_t layer, uint32_t version);
using LoadTGFService = void*(QL_CALL*)(uint16_t startRef, int16_t staff, int16_t measure, int16_t layer,
                                       int16_t one, uint32_t version);
using SaveTGFService = int16_t(QL_CALL*)(void* frame, uint32_t version);
using FreeTGFService = int16_t(QL_CALL*)(void* frame, uint32_t version);
using LoadEDataService = int16_t(QL_CALL*)(uint32_t tag, void* key, void* buffer, int32_t* size,
                                           uint32_t version);
using SaveEDataService = int16_t(QL_CALL*)(uint32_t tag, void* key, const void* buffer, int32_t length,
                                           uint32_t version);
}

}  // namespace regionflags::host
