#pragma once
// What the module's data-record wrappers do around the editor's own load and store:
// preference records ("pf" tags) are served out of the editor's "ot" records, three other
// tags have load fallbacks, and every other call is forwarded unchanged.

#include <cstdint>

#include "host/services.h"

namespace regionflags::host::translate {

int16_t TranslateLoad(LoadEDataService editorLoad, uint32_t tag, void* key, void* buffer, int32_t* size,
                      uint32_t version);
int16_t TranslateSave(SaveEDataService editorSave, uint32_t tag, void* key, const void* buffer, int32_t length,
                      uint32_t version);

}  // namespace regionflags::host::translate
