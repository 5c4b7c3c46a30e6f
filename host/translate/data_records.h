#pragma once
// The key of a data record and the editor's 12-byte "ot" records.

#include <cstddef>
#include <cstdint>

#include "host/little_endian.h"

namespace regionflags::host::translate {

// EDataKey, as the editor lays it out: number, index, extra.
inline constexpr uint32_t kKeyNumberOffset = 0;
inline constexpr uint32_t kKeyIndexOffset = 2;
inline constexpr uint32_t kKeyExtraOffset = 4;
inline constexpr uint32_t kKeySize = 8;

struct EDataKey {
    uint8_t bytes[kKeySize];
};
static_assert(sizeof(EDataKey) == kKeySize && alignof(EDataKey) == 1);

inline int16_t KeyNumber(const EDataKey& key) { return LoadI16(key.bytes + kKeyNumberOffset); }
inline uint32_t KeyExtra(const EDataKey& key) { return LoadU32(key.bytes + kKeyExtraOffset); }

inline EDataKey MakeKey(int16_t number, int16_t index, uint32_t extra) {
    EDataKey key{};
    StoreU16(key.bytes + kKeyNumberOffset, static_cast<uint16_t>(number));
    StoreU16(key.bytes + kKeyIndexOffset, static_cast<uint16_t>(index));
    StoreU32(key.bytes + kKeyExtraOffset, extra);
    return key;
}

// OtRecord: six 16-bit words. A 32-bit value spans two words, its upper half first.
inline constexpr int32_t kOtRecordSize = 12;
inline constexpr int16_t kOtRecordWords = 6;
inline constexpr int16_t kOtKeyNumber = -2;

struct OtRecord {
    uint8_t bytes[kOtRecordSize];
};
static_assert(sizeof(OtRecord) == kOtRecordSize && alignof(OtRecord) == 1);

inline uint8_t* OtWord(OtRecord& record, int16_t word) { return record.bytes + static_cast<ptrdiff_t>(word) * 2; }

}  // namespace regionflags::host::translate
