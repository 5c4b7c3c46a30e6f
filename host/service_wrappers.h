#pragma once
// The module's own stand-ins for the nine editor services it calls. Each finds its
// service on first use and calls it with the same arguments; a service the editor does
// not export answers 0 (or no frame) instead of being called. The data-record load and
// store also serve preference records out of the editor's "ot" records.

#include <cstdint>

#include "host/services.h"

namespace regionflags::host {

MassEditHandle QL_StartMassEdit(const void* region, uint32_t zero, uint32_t version);
int16_t QL_MassEditProgress(MassEditHandle handle, int16_t four, int16_t staff, int16_t measure,
                            int16_t minusOne, uint32_t version);
int16_t QL_EndMassEdit(MassEditHandle handle, int16_t abandoned, uint32_t version);
int16_t QL_GetShowLayer(int16_t layer, uint32_t version);
void* QL_LoadTGF(uint16_t startRef, int16_t staff, int16_t measure, int16_t layer, int16_t one,
                 uint32_t version);
int16_t QL_SaveTGF(void* frame, uint32_t version);
int16_t QL_FreeTGF(void* frame, uint32_t version);
int16_t QL_LoadEData(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version);
int16_t QL_SaveEData(uint32_t tag, void* key, const void* buffer, int32_t length, uint32_t version);

}  // namespace regionflags::host
