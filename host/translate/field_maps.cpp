#include "host/translate/field_maps.h"

#include "host/translate/data_records.h"

namespace regionflags::host::translate {
namespace {

// Checks on the tables themselves, so that a mistyped row fails the build.

constexpr int32_t SumOfSizes(const FieldMap& map) {
    int32_t sum = 0;
    for (uint16_t k = 0; k < map.rowCount; ++k) sum += map.rows[k].size;
    return sum;
}

constexpr bool RowsAreWellFormed(const FieldMap& map) {
    if (map.rowCount > kMaxFieldMapRows) return false;
    for (uint16_t k = 0; k < map.rowCount; ++k) {
        const FieldMapRow& row = map.rows[k];
        if (row.size != 2 && row.size != 4) return false;
        if (row.size == 4 && row.conversion != kConvSwapHalves) return false;
        if (row.wordIndex < 0 || row.wordIndex + row.size / 2 > kOtRecordWords) return false;
        if (row.prefOffset < 0 || row.prefOffset % 2 != 0) return false;
    }
    return true;
}

// How many rows cover byte `at` of the preference record.
constexpr int CoverCount(const FieldMap& map, int32_t at) {
    int count = 0;
    for (uint16_t k = 0; k < map.rowCount; ++k)
        if (at >= map.rows[k].prefOffset && at < map.rows[k].prefOffset + map.rows[k].size) ++count;
    return count;
}

constexpr bool CoversWithoutGapsOrOverlaps(const FieldMap& map) {
    for (int32_t at = 0; at < map.size; ++at)
        if (CoverCount(map, at) != 1) return false;
    return true;
}

constexpr bool CheckMap(const FieldMap& map, const char (&tag)[5], int32_t sumOfSizes, uint16_t rowCount) {
    return map.tag == TagWord(tag) && map.rowCount == rowCount && SumOfSizes(map) == sumOfSizes &&
           RowsAreWellFormed(map);
}

static_assert(CheckMap(FieldMaps[0], "pfPL", 14, 7) && CoversWithoutGapsOrOverlaps(FieldMaps[0]));
static_assert(CheckMap(FieldMaps[1], "pfDP", 76, 36) && CoversWithoutGapsOrOverlaps(FieldMaps[1]));
static_assert(CheckMap(FieldMaps[2], "pfSI", 54, 23) && CoversWithoutGapsOrOverlaps(FieldMaps[2]));
static_assert(CheckMap(FieldMaps[3], "pfMS", 100, 48));
static_assert(CheckMap(FieldMaps[4], "pfPF", 48, 22) && CoversWithoutGapsOrOverlaps(FieldMaps[4]));
static_assert(CheckMap(FieldMaps[5], "pfRP", 40, 20) && CoversWithoutGapsOrOverlaps(FieldMaps[5]));
static_assert(CheckMap(FieldMaps[6], "pfPB", 44, 11) && CoversWithoutGapsOrOverlaps(FieldMaps[6]));
static_assert(CheckMap(FieldMaps[7], "pfSS", 96, 43) && CoversWithoutGapsOrOverlaps(FieldMaps[7]));

// "pfMS" reaches byte 104 with two 2-byte holes, at 96 and 100; its record is 104 bytes so
// that neither a load nor a store runs past the caller's record.
constexpr bool MusicSpacingLayoutHolds() {
    const FieldMap& map = FieldMaps[3];
    if (map.size != 104) return false;
    for (int32_t at = 0; at < map.size; ++at) {
        const bool hole = at == 96 || at == 97 || at == 100 || at == 101;
        if (CoverCount(map, at) != (hole ? 0 : 1)) return false;
    }
    return true;
}
static_assert(MusicSpacingLayoutHolds());

}  // namespace

const FieldMap* FindFieldMap(uint32_t tag, int16_t number) {
    for (const FieldMap& map : FieldMaps) {
        if (map.tag != tag) continue;
        return map.numberZeroOnly && number != 0 ? nullptr : &map;
    }
    return nullptr;
}

}  // namespace regionflags::host::translate
