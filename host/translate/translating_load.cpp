#include "host/translate/array_map.h"
#include "host/translate/data_records.h"
#include "host/translate/field_maps.h"
#include "host/translate/field_translation.h"
#include "host/translate/ot_records.h"
#include "host/translate/tag_words.h"
#include "host/translate/translation.h"

namespace regionflags::host::translate {
namespace {

constexpr int32_t kSosdRecordSize = 66;

bool AnyNonZero(const uint8_t* bytes, int32_t count) {
    for (int32_t k = 0; k < count; ++k)
        if (bytes[k] != 0) return true;
    return false;
}

// The editor lacks "SOSD": a zero-filled record stands in for it where "otSD" exists.
int16_t LoadSosdFallback(const EDataKey& key, void* buffer, int32_t* size) {
    if (size == nullptr) return 0;
    OtRecord presence{};
    if (LoadOtRecord(kTagOtSD, KeyNumber(key), 0, KeyExtra(key), presence) == 0) return 0;
    if (buffer == nullptr) {
        *size = kSosdRecordSize;
        return 1;
    }
    const int32_t clear = *size < kSosdRecordSize ? *size : kSosdRecordSize;
    ClearBytes(static_cast<uint8_t*>(buffer), clear);  // nothing for a negative count
    return 1;
}

int16_t GatherArray(const ArrayMatch& match, void* buffer, int32_t* size) {
    if (size == nullptr) return 0;
    const int32_t bytes = kOtRecordSize * match.count;
    if (buffer == nullptr) {
        *size = bytes;
        return 1;
    }
    if (*size < bytes) return 0;
    auto* out = static_cast<uint8_t*>(buffer);
    for (uint16_t k = 0; k < match.count; ++k) {
        OtRecord element{};
        LoadOtRecord(match.otTag, kOtKeyNumber, static_cast<int16_t>(match.firstIndex + k), 0, element);
        CopyBytes(out + static_cast<ptrdiff_t>(kOtRecordSize) * k, element.bytes, kOtRecordSize);
    }
    *size = bytes;
    return 1;
}

int32_t ZeroProbeBytes(uint32_t tag) {
    if (tag == kTagZeroProbe48) return 48;
    if (tag == kTagZeroProbe108) return 108;
    return 0;
}

}  // namespace

int16_t TranslateLoad(LoadEDataService editorLoad, uint32_t tag, void* key, void* buffer, int32_t* size,
                      uint32_t version) {
    if (key == nullptr) return editorLoad(tag, key, buffer, size, version);
    const EDataKey& dataKey = *static_cast<const EDataKey*>(key);

    if (const int32_t probe = ZeroProbeBytes(tag); probe != 0 && buffer != nullptr) {
        // The editor may refuse these while still filling the buffer; what it wrote counts.
        ClearBytes(static_cast<uint8_t*>(buffer), probe);
        if (editorLoad(tag, key, buffer, size, version) == 0)
            return AnyNonZero(static_cast<const uint8_t*>(buffer), probe) ? 1 : 0;
    } else if (tag == kTagSOSD) {
        if (editorLoad(tag, key, buffer, size, version) == 0) return LoadSosdFallback(dataKey, buffer, size);
    } else if (const FieldMap* map = FindFieldMap(tag, KeyNumber(dataKey)); map != nullptr) {
        return GatherFields(buffer, size, *map);
    } else if (const ArrayMatch match = FindArrayMap(tag, KeyNumber(dataKey)); match.otTag != 0) {
        return GatherArray(match, buffer, size);
    }
    // An accepted probe or "SOSD" is asked again here, and that answer is the one returned.
    return editorLoad(tag, key, buffer, size, version);
}

}  // namespace regionflags::host::translate
