#pragma once
// Field-mapped preference records: built from their "ot" records on load, spread back
// over them on store. Each "ot" record is loaded once per translation, in the order of its
// first row, and stored at most once, only when a row changed one of its words.

#include <cstdint>

#include "host/translate/field_maps.h"

namespace regionflags::host::translate {

int16_t GatherFields(void* buffer, int32_t* size, const FieldMap& map);
int16_t ScatterFields(const void* buffer, int32_t length, const FieldMap& map);

}  // namespace regionflags::host::translate
