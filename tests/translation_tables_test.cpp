#include <gtest/gtest.h>

#include <string>

#include "host/translate/array_map.h"
#include "host/translate/conversion.h"
#include "host/translate/field_maps.h"
#include "support/map_notation.h"

namespace {

using namespace regionflags::host::translate;

uint8_t ConversionOfMark(char mark) {
    switch (mark) {
        case 'L':
        case 'S': return kConvSwapHalves;
        case 'N': return kConvInvert;
        case 'B': return kConvLowByte;
        default: return kConvCopy;
    }
}

TEST(FieldMaps, HoldEveryNotedRowInOrder) {
    const auto& noted = testsupport::NotedFieldMaps();
    ASSERT_EQ(noted.size(), std::size(FieldMaps));
    for (size_t m = 0; m < noted.size(); ++m) {
        const FieldMap& map = FieldMaps[m];
        const char tag[5] = {noted[m].tag[0], noted[m].tag[1], noted[m].tag[2], noted[m].tag[3], 0};
        SCOPED_TRACE(noted[m].tag);
        EXPECT_EQ(map.tag, TagWord(tag));
        ASSERT_EQ(map.rowCount, noted[m].rows.size());
        int32_t sum = 0;
        for (uint16_t k = 0; k < map.rowCount; ++k) {
            const FieldMapRow& row = map.rows[k];
            const testsupport::NotedRow& note = noted[m].rows[k];
            SCOPED_TRACE(note.prefOffset);
            EXPECT_EQ(std::string(row.id, 2), note.id);
            EXPECT_EQ(row.keyNumber == 0 ? -2 : row.keyNumber, note.keyNumber);
            EXPECT_EQ(row.keyIndex, note.keyIndex);
            EXPECT_EQ(row.prefOffset, note.prefOffset);
            EXPECT_EQ(row.wordIndex, note.wordIndex);
            EXPECT_EQ(row.size, note.size);
            EXPECT_EQ(row.conversion, ConversionOfMark(note.mark));
            sum += row.size;
        }
        EXPECT_EQ(sum, noted[m].sizeOfFields);
        // Every map's record ends with its fields; "pfMS" alone runs four bytes past their sum.
        EXPECT_EQ(map.size, noted[m].tag == "pfMS" ? 104 : noted[m].sizeOfFields);
    }
}

TEST(FieldMaps, AreFoundByTagAndForPreferenceFontsOnlyWithNumberZero) {
    struct Case {
        uint32_t tag;
        int16_t number;
        const char* expected;  // nullptr: no map
    };
    const Case cases[] = {
        {TagWord("pfPL"), 0, "pfPL"},   {TagWord("pfPL"), -300, "pfPL"}, {TagWord("pfSS"), 32767, "pfSS"},
        {TagWord("pfPF"), 0, "pfPF"},   {TagWord("pfPF"), 1, nullptr},   {TagWord("pfPF"), 2, nullptr},
        {TagWord("pfGG"), 0, nullptr},  {TagWord("ot13"), 0, nullptr},   {TagWord("SOSD"), 0, nullptr},
        {TagWord("pfpl"), 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tag) + "/" + std::to_string(c.number));
        const FieldMap* map = FindFieldMap(c.tag, c.number);
        if (c.expected == nullptr) {
            EXPECT_EQ(map, nullptr);
        } else {
            ASSERT_NE(map, nullptr);
            const char tag[5] = {c.expected[0], c.expected[1], c.expected[2], c.expected[3], 0};
            EXPECT_EQ(map->tag, TagWord(tag));
        }
    }
}

TEST(ArrayMap, AcceptsEachTagWithinItsNumberRange) {
    struct Case {
        const char* tag;
        int16_t number;
        const char* otTag;  // nullptr: no match
        uint16_t count;
        int16_t firstIndex;
    };
    const Case cases[] = {
        {"pfGG", -32768, "ot88", 11, 0}, {"pfGG", 7, "ot88", 11, 0},   {"pfGb", 0, nullptr, 0, 0},
        {"pfGb", 1, "ot98", 1, 0},       {"pfGb", 4, "ot98", 1, 3},    {"pfGb", 5, nullptr, 0, 0},
        {"pfGs", 1, "ot91", 1, 0},       {"pfGs", 2, nullptr, 0, 0},   {"pfGs", 0, nullptr, 0, 0},
        {"pfMM", 0, "ot25", 2, 0},       {"pfPF", 1, "ot77", 4, 0},    {"pfPF", 0, nullptr, 0, 0},
        {"pfPF", 2, nullptr, 0, 0},      {"pfSC", 3, "ot52", 2, 0},    {"pfSN", 1, "ot40", 1, 0},
        {"pfSN", 128, "ot40", 1, 127},   {"pfSN", 129, nullptr, 0, 0}, {"pfSN", -1, nullptr, 0, 0},
        {"pfSP", 0, "ot94", 3, 0},       {"pfSl", 15, "ot26", 1, 14},  {"pfSl", 16, nullptr, 0, 0},
        {"pfTC", 0, "ot86", 5, 0},       {"pfTI", 0, "ot84", 4, 0},    {"pfTX", 0, "ot78", 8, 0},
        {"pfTp", 0, "ot85", 4, 0},       {"pfTs", 9, "ot90", 1, 8},    {"pfTs", 10, nullptr, 0, 0},
        {"pfTS", 1, nullptr, 0, 0},      {"ot88", 0, nullptr, 0, 0},   {"SOSD", 0, nullptr, 0, 0},
        {"pfPL", 0, nullptr, 0, 0},
    };
    auto word = [](const char* text) {
        const char tag[5] = {text[0], text[1], text[2], text[3], 0};
        return TagWord(tag);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tag) + " " + std::to_string(c.number));
        const ArrayMatch match = FindArrayMap(word(c.tag), c.number);
        EXPECT_EQ(match.otTag, c.otTag == nullptr ? 0u : word(c.otTag));
        EXPECT_EQ(match.count, c.count);
        EXPECT_EQ(match.firstIndex, c.firstIndex);
    }
}

TEST(Conversions, SwapHalvesExchangesTheSixteenBitHalves) {
    uint32_t value = 0x00010002;
    SwapHalves(value);
    EXPECT_EQ(value, 0x00020001u);
    SwapHalves(value);
    EXPECT_EQ(value, 0x00010002u);
}

TEST(Conversions, TwoByteFieldsLoadAndSaveByTheirCode) {
    struct Case {
        uint8_t conversion;
        uint16_t word;
        uint16_t loaded;
        uint16_t field;
        uint16_t saved;
    };
    const Case cases[] = {
        {kConvCopy, 0xABCD, 0xABCD, 0x1234, 0x1234},
        {kConvSwapHalves, 0xABCD, 0xABCD, 0x1234, 0x1234},
        {kConvInvert, 0, 1, 0, 1},
        {kConvInvert, 5, 0, 7, 0},
        {kConvLowByte, 0x0080, 128, 128, 0xFF80},
        {kConvLowByte, 0x7F80, 128, 5, 5},
        {kConvLowByte, 0xFF7F, 127, 0xFF7F, 127},
        {2, 0x8001, 0x8001, 0x8001, 0x8001},  // an unknown code copies
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.conversion));
        EXPECT_EQ(LoadedField(c.word, c.conversion), c.loaded);
        EXPECT_EQ(SavedWord(c.field, c.conversion), c.saved);
    }
}

}  // namespace
