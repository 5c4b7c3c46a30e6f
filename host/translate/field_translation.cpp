#include "host/translate/field_translation.h"

#include "host/little_endian.h"
#include "host/translate/data_records.h"
#include "host/translate/ot_records.h"

namespace regionflags::host::translate {
namespace {

static_assert(kMaxFieldMapRows <= 64);
constexpr uint64_t Bit(uint16_t row) { return uint64_t{1} << row; }

bool SameRecord(const FieldMapRow& a, const FieldMapRow& b) {
    return a.id[0] == b.id[0] && a.id[1] == b.id[1] && a.keyNumber == b.keyNumber && a.keyIndex == b.keyIndex;
}

// Visits the lead row and every later row not yet done that addresses the same "ot"
// record, in table order, marking each done. The marks are this translation's own.
template <typename Visit>
void VisitGroup(const FieldMap& map, uint16_t lead, uint64_t& done, Visit visit) {
    for (uint16_t k = lead; k < map.rowCount; ++k) {
        if ((done & Bit(k)) != 0 || !SameRecord(map.rows[lead], map.rows[k])) continue;
        done |= Bit(k);
        visit(map.rows[k]);
    }
}

int16_t LoadRowRecord(const FieldMapRow& row, OtRecord& record) {
    const int16_t number = row.keyNumber == 0 ? kOtKeyNumber : row.keyNumber;
    return LoadOtRecord(OtTagWord(row.id), number, row.keyIndex, 0, record);
}

void StoreRowRecord(const FieldMapRow& row, const OtRecord& record) {
    const int16_t number = row.keyNumber == 0 ? kOtKeyNumber : row.keyNumber;
    StoreOtRecord(OtTagWord(row.id), number, row.keyIndex, record);
}

void LoadField(const FieldMapRow& row, OtRecord& record, uint8_t* pref) {
    const uint8_t* word = OtWord(record, row.wordIndex);
    if (row.size == 4) {
        uint32_t value = LoadU32(word);
        if (row.conversion == kConvSwapHalves) SwapHalves(value);
        StoreU32(pref + row.prefOffset, value);
    } else {
        StoreU16(pref + row.prefOffset, LoadedField(LoadU16(word), row.conversion));
    }
}

// Returns whether the field differed from the word or words as they stood.
bool SaveField(const FieldMapRow& row, const uint8_t* pref, OtRecord& record) {
    uint8_t* word = OtWord(record, row.wordIndex);
    if (row.size == 4) {
        uint32_t value = LoadU32(pref + row.prefOffset);
        if (row.conversion == kConvSwapHalves) SwapHalves(value);
        if (value == LoadU32(word)) return false;
        StoreU32(word, value);
        return true;
    }
    const uint16_t value = SavedWord(LoadU16(pref + row.prefOffset), row.conversion);
    if (value == LoadU16(word)) return false;
    StoreU16(word, value);
    return true;
}

}  // namespace

int16_t GatherFields(void* buffer, int32_t* size, const FieldMap& map) {
    if (size == nullptr) return 0;
    if (buffer == nullptr) {
        *size = map.size;
        return 1;
    }
    auto* pref = static_cast<uint8_t*>(buffer);
    uint64_t done = 0;
    for (uint16_t lead = 0; lead < map.rowCount; ++lead) {
        if ((done & Bit(lead)) != 0) continue;
        OtRecord record{};
        LoadRowRecord(map.rows[lead], record);
        VisitGroup(map, lead, done, [&](const FieldMapRow& row) { LoadField(row, record, pref); });
    }
    *size = map.size;
    return 1;
}

int16_t ScatterFields(const void* buffer, int32_t length, const FieldMap& map) {
    if (buffer == nullptr || length < map.size) return 0;
    const auto* pref = static_cast<const uint8_t*>(buffer);
    uint64_t done = 0;
    for (uint16_t lead = 0; lead < map.rowCount; ++lead) {
        if ((done & Bit(lead)) != 0) continue;
        OtRecord record{};
        LoadRowRecord(map.rows[lead], record);
        bool changed = false;
        VisitGroup(map, lead, done, [&](const FieldMapRow& row) { changed = SaveField(row, pref, record) || changed; });
        if (changed) StoreRowRecord(map.rows[lead], record);
    }
    return 1;
}

}  // namespace regionflags::host::translate
