#pragma once
// The field maps: for each field-mapped preference record, where every field lives in
// the editor's "ot" records. Row order matters: it sets the order of the editor calls
// and, where two rows share a word, which value is stored.

#include <algorithm>
#include <cstdint>

#include "host/translate/conversion.h"
#include "host/translate/tag_words.h"

namespace regionflags::host::translate {

struct FieldMapRow {
    char id[2];          // the "ot" record: its tag is "ot" and these two characters
    int16_t keyNumber;   // 0 stands for -2
    int16_t keyIndex;
    int16_t prefOffset;  // byte offset of the field in the preference record
    int16_t wordIndex;   // first word of the field in the "ot" record
    int16_t size;        // 2 or 4
    uint8_t conversion;
};

struct FieldMap {
    const FieldMapRow* rows;
    uint32_t tag;
    int32_t size;  // bytes of the preference record, up to the end of its last field
    uint16_t rowCount;
    bool numberZeroOnly;  // taken only for key number 0
};

inline constexpr uint16_t kMaxFieldMapRows = 64;  // the work marks of one translation fit one word

namespace rows {

// "pfPL"
inline constexpr FieldMapRow kPLRows[] = {
    {{'1', '3'}, 0, 0, 0, 1, 2, kConvCopy},
    {{'3', '9'}, 0, 0, 2, 3, 2, kConvCopy},
    {{'3', '6'}, 0, 0, 4, 0, 2, kConvCopy},
    {{'3', '6'}, 0, 0, 6, 5, 2, kConvCopy},
    {{'3', '7'}, 0, 0, 8, 0, 2, kConvCopy},
    {{'3', '7'}, 0, 0, 10, 1, 2, kConvCopy},
    {{'3', '7'}, 0, 0, 12, 2, 2, kConvCopy},
};
// "pfDP"
inline constexpr FieldMapRow kDPRows[] = {
    {{'2', '1'}, 0, 0, 0, 3, 2, kConvCopy},
    {{'2', '1'}, 0, 0, 2, 5, 2, kConvCopy},
    {{'5', '9'}, 0, 0, 4, 3, 2, kConvCopy},
    {{'5', '9'}, 0, 0, 6, 4, 2, kConvCopy},
    {{'2', '2'}, 0, 0, 8, 1, 2, kConvCopy},
    {{'2', '2'}, 0, 0, 10, 2, 2, kConvCopy},
    {{'2', '2'}, 0, 0, 12, 3, 2, kConvCopy},
    {{'6', '7'}, 0, 0, 14, 3, 2, kConvCopy},
    {{'6', '7'}, 0, 0, 16, 4, 2, kConvCopy},
    {{'6', '8'}, 0, 0, 18, 4, 4, kConvSwapHalves},
    {{'2', '0'}, 0, 0, 22, 1, 2, kConvCopy},
    {{'2', '0'}, 0, 0, 24, 2, 2, kConvCopy},
    {{'1', '3'}, 0, 0, 26, 3, 2, kConvCopy},
    {{'1', '9'}, 0, 0, 28, 0, 2, kConvCopy},
    {{'1', '9'}, 0, 0, 30, 1, 2, kConvCopy},
    {{'6', '8'}, 0, 0, 32, 0, 2, kConvCopy},
    {{'2', '1'}, 0, 0, 34, 1, 2, kConvCopy},
    {{'6', '8'}, 0, 0, 36, 1, 2, kConvCopy},
    {{'2', '1'}, 0, 0, 38, 0, 2, kConvCopy},
    {{'2', '7'}, 0, 0, 40, 5, 2, kConvCopy},
    {{'1', '8'}, 0, 0, 42, 0, 2, kConvCopy},
    {{'1', '8'}, 0, 0, 44, 2, 2, kConvCopy},
    {{'1', '8'}, 0, 0, 46, 1, 2, kConvCopy},
    {{'2', '1'}, 0, 0, 48, 4, 2, kConvCopy},
    {{'3', '9'}, 0, 0, 50, 0, 2, kConvCopy},
    {{'3', '9'}, 0, 0, 52, 1, 2, kConvCopy},
    {{'6', '5'}, 0, 0, 54, 0, 4, kConvSwapHalves},
    {{'6', '7'}, 0, 0, 58, 1, 2, kConvCopy},
    {{'1', '8'}, 0, 0, 60, 5, 2, kConvCopy},
    {{'6', '7'}, 0, 0, 62, 0, 2, kConvCopy},
    {{'1', '8'}, 0, 0, 64, 3, 2, kConvCopy},
    {{'1', '8'}, 0, 0, 66, 4, 2, kConvCopy},
    {{'1', '4'}, 0, 0, 68, 4, 2, kConvCopy},
    {{'1', '4'}, 0, 0, 70, 5, 2, kConvCopy},
    {{'0', '1'}, 0, 0, 74, 5, 2, kConvCopy},
    {{'7', '7'}, 0, 4, 72, 0, 2, kConvCopy},
};
// "pfSI"
inline constexpr FieldMapRow kSIRows[] = {
    {{'6', '7'}, 0, 0, 0, 2, 2, kConvCopy},
    {{'5', '8'}, 0, 0, 2, 4, 2, kConvCopy},
    {{'6', '8'}, 0, 0, 4, 2, 4, kConvSwapHalves},
    {{'6', '2'}, 0, 0, 8, 4, 4, kConvSwapHalves},
    {{'0', '3'}, 0, 0, 12, 3, 2, kConvCopy},
    {{'2', '3'}, 0, 0, 14, 0, 2, kConvCopy},
    {{'1', '4'}, 0, 0, 16, 2, 2, kConvCopy},
    {{'6', '4'}, 0, 0, 18, 1, 2, kConvCopy},
    {{'2', '7'}, 0, 0, 20, 3, 2, kConvCopy},
    {{'5', '8'}, 0, 0, 22, 5, 2, kConvCopy},
    {{'5', '9'}, 0, 0, 24, 0, 2, kConvCopy},
    {{'5', '9'}, 0, 0, 26, 1, 2, kConvCopy},
    {{'0', '1'}, 0, 0, 28, 2, 2, kConvCopy},
    {{'5', '9'}, 0, 0, 30, 2, 2, kConvCopy},
    {{'0', '1'}, 0, 0, 32, 3, 2, kConvCopy},
    {{'9', '7'}, 0, 0, 34, 0, 4, kConvSwapHalves},
    {{'2', '0'}, 0, 0, 38, 4, 2, kConvCopy},
    {{'2', '0'}, 0, 0, 40, 5, 2, kConvCopy},
    {{'0', '3'}, 0, 0, 42, 2, 2, kConvCopy},
    {{'2', '1'}, 0, 0, 44, 2, 2, kConvCopy},
    {{'6', '4'}, 0, 0, 46, 5, 2, kConvCopy},
    {{'9', '7'}, 0, 0, 48, 2, 4, kConvSwapHalves},
    {{'6', '9'}, 0, 0, 52, 0, 2, kConvCopy},
};
// "pfMS"
inline constexpr FieldMapRow kMSRows[] = {
    {{'3', '6'}, 0, 0, 0, 4, 2, kConvCopy},
    {{'0', '3'}, 0, 0, 2, 4, 2, kConvCopy},
    {{'0', '3'}, 0, 0, 4, 5, 2, kConvCopy},
    {{'0', '9'}, 0, 0, 6, 5, 2, kConvCopy},
    {{'3', '6'}, 0, 0, 8, 2, 2, kConvCopy},
    {{'3', '6'}, 0, 0, 10, 3, 2, kConvCopy},
    {{'3', '6'}, 0, 0, 12, 1, 2, kConvInvert},
    {{'4', '1'}, 0, 0, 14, 0, 2, kConvCopy},
    {{'4', '1'}, 0, 0, 16, 1, 2, kConvCopy},
    {{'2', '0'}, 0, 0, 18, 0, 2, kConvCopy},
    {{'2', '7'}, 0, 0, 20, 1, 2, kConvCopy},
    {{'0', '1'}, 0, 0, 22, 0, 2, kConvCopy},
    {{'1', '3'}, 0, 0, 24, 2, 2, kConvCopy},
    {{'1', '5'}, 0, 0, 26, 4, 2, kConvCopy},
    {{'2', '7'}, 0, 0, 28, 0, 2, kConvCopy},
    {{'2', '7'}, 0, 0, 30, 4, 2, kConvCopy},
    {{'4', '4'}, 0, 0, 32, 4, 2, kConvCopy},
    {{'2', '7'}, 0, 0, 34, 2, 2, kConvCopy},
    {{'1', '2'}, 0, 0, 36, 2, 2, kConvCopy},
    {{'1', '2'}, 0, 0, 38, 3, 2, kConvCopy},
    {{'1', '2'}, 0, 0, 40, 1, 2, kConvCopy},
    {{'4', '1'}, 0, 2, 42, 1, 2, kConvCopy},
    {{'2', '3'}, 0, 0, 44, 1, 2, kConvCopy},
    {{'1', '9'}, 0, 0, 46, 2, 2, kConvCopy},
    {{'1', '9'}, 0, 0, 48, 3, 2, kConvCopy},
    {{'4', '1'}, 0, 0, 50, 1, 2, kConvCopy},
    {{'3', '1'}, 0, 0, 52, 5, 2, kConvCopy},
    {{'1', '9'}, 0, 0, 54, 4, 2, kConvLowByte},
    {{'1', '9'}, 0, 0, 56, 5, 2, kConvLowByte},
    {{'4', '4'}, 0, 0, 58, 3, 2, kConvCopy},
    {{'0', '5'}, 0, 0, 60, 4, 2, kConvCopy},
    {{'0', '5'}, 0, 0, 62, 5, 2, kConvCopy},
    {{'1', '3'}, 0, 0, 64, 0, 2, kConvCopy},
    {{'4', '1'}, 0, 0, 66, 5, 2, kConvCopy},
    {{'1', '2'}, 0, 0, 68, 4, 2, kConvCopy},
    {{'0', '1'}, 0, 0, 70, 1, 2, kConvCopy},
    {{'9', '3'}, 0, 0, 72, 4, 2, kConvCopy},
    {{'7', '6'}, 0, 0, 74, 4, 2, kConvCopy},
    {{'9', '3'}, 0, 0, 76, 2, 2, kConvCopy},
    {{'7', '6'}, 0, 0, 78, 3, 2, kConvCopy},
    {{'1', '7'}, 0, 0, 80, 5, 2, kConvCopy},
    {{'2', '3'}, 0, 0, 82, 4, 2, kConvCopy},
    {{'1', '6'}, 0, 0, 84, 5, 2, kConvCopy},
    {{'6', '2'}, 0, 0, 86, 0, 4, kConvSwapHalves},
    {{'6', '2'}, 0, 0, 90, 2, 4, kConvSwapHalves},
    {{'4', '1'}, 0, 2, 94, 0, 2, kConvCopy},
    {{'4', '1'}, 0, 1, 98, 3, 2, kConvSwapHalves},
    {{'7', '6'}, 0, 0, 102, 5, 2, kConvCopy},
};
// "pfPF"
inline constexpr FieldMapRow kPFRows[] = {
    {{'1', '4'}, 0, 0, 0, 0, 4, kConvSwapHalves},
    {{'1', '5'}, 0, 0, 4, 2, 4, kConvSwapHalves},
    {{'3', '9'}, 0, 0, 8, 2, 2, kConvCopy},
    {{'1', '6'}, 0, 0, 10, 0, 2, kConvCopy},
    {{'1', '6'}, 0, 0, 12, 1, 2, kConvCopy},
    {{'1', '6'}, 0, 0, 14, 2, 2, kConvCopy},
    {{'1', '6'}, 0, 0, 16, 3, 2, kConvCopy},
    {{'0', '2'}, 0, 0, 18, 0, 2, kConvCopy},
    {{'0', '2'}, 0, 0, 20, 1, 2, kConvCopy},
    {{'0', '2'}, 0, 0, 22, 2, 2, kConvCopy},
    {{'0', '2'}, 0, 0, 24, 3, 2, kConvCopy},
    {{'1', '7'}, 0, 0, 26, 0, 2, kConvCopy},
    {{'1', '7'}, 0, 0, 28, 1, 2, kConvCopy},
    {{'1', '7'}, 0, 0, 30, 3, 2, kConvCopy},
    {{'1', '7'}, 0, 0, 32, 2, 2, kConvCopy},
    {{'0', '1'}, 0, 0, 34, 4, 2, kConvCopy},
    {{'0', '2'}, 0, 0, 36, 4, 2, kConvCopy},
    {{'1', '3'}, 0, 0, 38, 5, 2, kConvCopy},
    {{'1', '3'}, 0, 0, 40, 4, 2, kConvCopy},
    {{'0', '2'}, 0, 0, 42, 5, 2, kConvCopy},
    {{'0', '3'}, 0, 0, 44, 0, 2, kConvCopy},
    {{'0', '3'}, 0, 0, 46, 1, 2, kConvCopy},
};
// "pfRP"
inline constexpr FieldMapRow kRPRows[] = {
    {{'7', '0'}, 0, 0, 0, 0, 2, kConvCopy},
    {{'7', '0'}, 0, 0, 2, 1, 2, kConvCopy},
    {{'7', '0'}, 0, 0, 4, 2, 2, kConvCopy},
    {{'7', '0'}, 0, 0, 6, 3, 2, kConvCopy},
    {{'7', '0'}, 0, 0, 8, 4, 2, kConvCopy},
    {{'7', '0'}, 0, 0, 10, 5, 2, kConvCopy},
    {{'7', '1'}, 0, 0, 12, 0, 2, kConvCopy},
    {{'7', '1'}, 0, 0, 14, 1, 2, kConvCopy},
    {{'7', '1'}, 0, 0, 16, 2, 2, kConvCopy},
    {{'7', '1'}, 0, 0, 18, 3, 2, kConvCopy},
    {{'7', '1'}, 0, 0, 20, 4, 2, kConvCopy},
    {{'7', '1'}, 0, 0, 22, 5, 2, kConvCopy},
    {{'0', '5'}, 0, 0, 24, 3, 2, kConvCopy},
    {{'7', '2'}, 0, 0, 26, 0, 2, kConvCopy},
    {{'7', '6'}, 0, 0, 28, 2, 2, kConvCopy},
    {{'7', '2'}, 0, 0, 30, 1, 2, kConvCopy},
    {{'7', '2'}, 0, 0, 32, 2, 2, kConvCopy},
    {{'7', '2'}, 0, 0, 34, 3, 2, kConvCopy},
    {{'7', '2'}, 0, 0, 36, 4, 2, kConvCopy},
    {{'7', '2'}, 0, 0, 38, 5, 2, kConvCopy},
};
// "pfPB"
inline constexpr FieldMapRow kPBRows[] = {
    {{'6', '5'}, 0, 0, 0, 2, 4, kConvSwapHalves},
    {{'6', '0'}, 0, 0, 4, 2, 4, kConvSwapHalves},
    {{'6', '5'}, 0, 0, 8, 4, 4, kConvSwapHalves},
    {{'6', '0'}, 0, 0, 12, 4, 4, kConvSwapHalves},
    {{'6', '1'}, 0, 0, 16, 0, 4, kConvSwapHalves},
    {{'6', '1'}, 0, 0, 20, 2, 4, kConvSwapHalves},
    {{'6', '1'}, 0, 0, 24, 4, 4, kConvSwapHalves},
    {{'6', '0'}, 0, 0, 28, 0, 4, kConvSwapHalves},
    {{'6', '4'}, 0, 0, 32, 2, 4, kConvSwapHalves},
    {{'4', '5'}, 0, 0, 36, 2, 4, kConvSwapHalves},
    {{'4', '5'}, 0, 0, 40, 4, 4, kConvSwapHalves},
};
// "pfSS"
inline constexpr FieldMapRow kSSRows[] = {
    {{'9', '2'}, 0, 0, 0, 0, 2, kConvCopy},
    {{'9', '2'}, 0, 0, 2, 1, 2, kConvCopy},
    {{'9', '2'}, 0, 0, 4, 2, 2, kConvCopy},
    {{'9', '2'}, 0, 0, 6, 3, 2, kConvCopy},
    {{'F', 'I'}, 11, 0, 8, 0, 2, kConvCopy},
    {{'F', 'I'}, 11, 0, 10, 1, 2, kConvCopy},
    {{'F', 'I'}, 12, 0, 12, 4, 2, kConvCopy},
    {{'F', 'I'}, 11, 0, 14, 4, 2, kConvCopy},
    {{'F', 'I'}, 12, 0, 16, 0, 4, kConvSwapHalves},
    {{'F', 'I'}, 12, 0, 20, 2, 4, kConvSwapHalves},
    {{'F', 'I'}, 11, 0, 24, 2, 2, kConvCopy},
    {{'F', 'I'}, 11, 0, 26, 5, 2, kConvCopy},
    {{'1', '2'}, 0, 0, 28, 5, 2, kConvLowByte},
    {{'1', '1'}, 0, 0, 30, 5, 2, kConvLowByte},
    {{'6', '9'}, 0, 0, 32, 4, 2, kConvLowByte},
    {{'6', '9'}, 0, 0, 34, 5, 2, kConvLowByte},
    {{'6', '9'}, 0, 0, 36, 2, 2, kConvLowByte},
    {{'6', '9'}, 0, 0, 38, 3, 2, kConvLowByte},
    {{'5', '1'}, 0, 0, 40, 5, 2, kConvCopy},
    {{'5', '3'}, 0, 0, 42, 5, 2, kConvCopy},
    {{'5', '1'}, 0, 0, 44, 4, 2, kConvCopy},
    {{'5', '3'}, 0, 0, 46, 4, 2, kConvCopy},
    {{'5', '0'}, 0, 0, 48, 4, 2, kConvCopy},
    {{'5', '3'}, 0, 1, 50, 0, 2, kConvCopy},
    {{'5', '3'}, 0, 1, 52, 1, 2, kConvCopy},
    {{'5', '3'}, 0, 1, 54, 2, 2, kConvCopy},
    {{'5', '3'}, 0, 1, 56, 3, 2, kConvCopy},
    {{'5', '1'}, 0, 0, 58, 0, 4, kConvSwapHalves},
    {{'5', '1'}, 0, 0, 62, 2, 4, kConvSwapHalves},
    {{'5', '3'}, 0, 0, 66, 2, 2, kConvCopy},
    {{'5', '3'}, 0, 0, 68, 0, 2, kConvCopy},
    {{'5', '3'}, 0, 0, 70, 1, 2, kConvCopy},
    {{'9', '3'}, 0, 0, 72, 0, 4, kConvSwapHalves},
    {{'5', '3'}, 0, 0, 76, 3, 2, kConvCopy},
    {{'5', '0'}, 0, 0, 78, 5, 2, kConvCopy},
    {{'5', '0'}, 0, 0, 80, 0, 2, kConvCopy},
    {{'5', '0'}, 0, 0, 82, 1, 2, kConvCopy},
    {{'5', '0'}, 0, 0, 84, 2, 2, kConvCopy},
    {{'5', '0'}, 0, 0, 86, 3, 2, kConvCopy},
    {{'9', '7'}, 0, 1, 88, 0, 2, kConvCopy},
    {{'9', '7'}, 0, 1, 90, 1, 2, kConvCopy},
    {{'9', '7'}, 0, 1, 92, 2, 2, kConvCopy},
    {{'9', '7'}, 0, 1, 94, 3, 2, kConvCopy},
};

}  // namespace rows

template <uint16_t N>
constexpr FieldMap MakeFieldMap(const char (&tag)[5], const FieldMapRow (&mapRows)[N], bool numberZeroOnly = false) {
    const FieldMapRow& last = *std::ranges::max_element(
        mapRows, [](const FieldMapRow& a, const FieldMapRow& b) { return a.prefOffset + a.size < b.prefOffset + b.size; });
    return FieldMap{mapRows, TagWord(tag), last.prefOffset + last.size, N, numberZeroOnly};
}

inline constexpr FieldMap FieldMaps[] = {
    MakeFieldMap("pfPL", rows::kPLRows),
    MakeFieldMap("pfDP", rows::kDPRows),
    MakeFieldMap("pfSI", rows::kSIRows),
    MakeFieldMap("pfMS", rows::kMSRows),
    MakeFieldMap("pfPF", rows::kPFRows, true),
    MakeFieldMap("pfRP", rows::kRPRows),
    MakeFieldMap("pfPB", rows::kPBRows),
    MakeFieldMap("pfSS", rows::kSSRows),
};

// The map for a tag and key number, or none.
const FieldMap* FindFieldMap(uint32_t tag, int16_t number);

}  // namespace regionflags::host::translate
