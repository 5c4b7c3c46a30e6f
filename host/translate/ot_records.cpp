#include "host/translate/ot_records.h"

#include "host/service_wrappers.h"

namespace regionflags::host::translate {

void ClearBytes(uint8_t* bytes, int32_t count) {
    for (int32_t k = 0; k < count; ++k) bytes[k] = 0;
}

void CopyBytes(uint8_t* to, const uint8_t* from, int32_t count) {
    for (int32_t k = 0; k < count; ++k) to[k] = from[k];
}

int16_t LoadOtRecord(uint32_t tag, int16_t number, int16_t index, uint32_t extra, OtRecord& record) {
    ClearBytes(record.bytes, kOtRecordSize);
    EDataKey key = MakeKey(number, index, extra);
    int32_t size = kOtRecordSize;
    return QL_LoadEData(tag, &key, record.bytes, &size, kHostCallVersion);
}

void StoreOtRecord(uint32_t tag, int16_t number, int16_t index, const OtRecord& record) {
    EDataKey key = MakeKey(number, index, 0);
    QL_SaveEData(tag, &key, record.bytes, kOtRecordSize, kHostCallVersion);
}

}  // namespace regionflags::host::translate
