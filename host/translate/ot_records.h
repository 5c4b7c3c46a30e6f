#pragma once
// The translation's own loads and stores of "ot" records: through the module's data-record
// wrappers, always 12 bytes and kHostCallVersion. No "ot" tag is translated, so these
// calls reach the editor as they are.

#include <cstdint>

#include "host/translate/data_records.h"

namespace regionflags::host::translate {

// The record is cleared first, so a load the editor refuses leaves zeros, never stale bytes.
int16_t LoadOtRecord(uint32_t tag, int16_t number, int16_t index, uint32_t extra, OtRecord& record);
void StoreOtRecord(uint32_t tag, int16_t number, int16_t index, const OtRecord& record);

void ClearBytes(uint8_t* bytes, int32_t count);
void CopyBytes(uint8_t* to, const uint8_t* from, int32_t count);

}  // namespace regionflags::host::translate
