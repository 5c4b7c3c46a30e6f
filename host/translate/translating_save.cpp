#include "host/binding.h"
#include "host/translate/array_map.h"
#include "host/translate/data_records.h"
#include "host/translate/field_maps.h"
#include "host/translate/field_translation.h"
#include "host/translate/ot_records.h"
#include "host/translate/translation.h"

namespace regionflags::host::translate {
namespace {

int16_t ScatterArray(const ArrayMatch& match, const void* buffer, int32_t length) {
    if (buffer == nullptr || length < kOtRecordSize * match.count) return 0;
    const auto* in = static_cast<const uint8_t*>(buffer);
    for (uint16_t k = 0; k < match.count; ++k) {
        OtRecord element{};
        CopyBytes(element.bytes, in + static_cast<ptrdiff_t>(kOtRecordSize) * k, kOtRecordSize);
        StoreOtRecord(match.otTag, kOtKeyNumber, static_cast<int16_t>(match.firstIndex + k), element);
    }
    return 1;
}

}  // namespace

int16_t TranslateSave(SaveEDataService editorSave, uint32_t tag, void* key, const void* buffer, int32_t length,
                      uint32_t version) {
    // Callers older than this interface store preference records as they are.
    if (static_cast<int32_t>(version) < static_cast<int32_t>(kHostCallVersion) || key == nullptr)
        return editorSave(tag, key, buffer, length, version);
    const int16_t number = KeyNumber(*static_cast<const EDataKey*>(key));

    if (const FieldMap* map = FindFieldMap(tag, number); map != nullptr) {
        // Spreading fields over "ot" records loads them first.
        if (!HostServicePresent(kLoadEDataSlot)) return 0;
        return ScatterFields(buffer, length, *map);
    }
    if (const ArrayMatch match = FindArrayMap(tag, number); match.otTag != 0)
        return ScatterArray(match, buffer, length);
    return editorSave(tag, key, buffer, length, version);
}

}  // namespace regionflags::host::translate
