#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "extension/entry_points.h"

namespace {

using ItemBytes = std::array<uint8_t, 256>;  // longer than the record, to see writes past its end

std::string Field(const ItemBytes& item, size_t offset) {
    return std::string(reinterpret_cast<const char*>(item.data() + offset));
}

struct Row {
    const char* menuText;
    const char* description;
};

constexpr Row kRows[] = {
    {"Spacing OFF", "Mark the region's entries to not use music spacing."},
    {"Spacing ON", "Mark the region's entries to use music spacing."},
    {"Playback OFF", "Mark the region's entries to not playback."},
    {"Playback ON", "Mark the region's entries to playback."},
};

TEST(Enumerate, FillsEachRecordWithItsRowAndNothingBeyondIt) {
    for (int16_t index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        ItemBytes item;
        item.fill(0xEE);
        ASSERT_EQ(QuorlaExtensionEnumerate(0, index, item.data()), 1);

        EXPECT_EQ(Field(item, 0), kRows[index].menuText);
        EXPECT_EQ(Field(item, 64), kRows[index].description);
        EXPECT_EQ(std::memcmp(item.data(), item.data() + 128, 64), 0);
        for (size_t field : {0u, 64u, 128u})
            for (size_t k = std::strlen(reinterpret_cast<const char*>(item.data() + field)); k < 64; ++k)
                ASSERT_EQ(item[field + k], 0) << "byte " << field + k;
        EXPECT_EQ(item[192] | item[193] << 8, 1);
        EXPECT_EQ(item[194] | item[195] << 8, 0);
        for (size_t k = 196; k < item.size(); ++k) ASSERT_EQ(item[k], 0xEE) << "byte " << k;
    }
}

TEST(Enumerate, RefusesEveryIndexOutsideTheTableAndLeavesTheRecordAlone) {
    for (int16_t index : {int16_t{4}, int16_t{5}, int16_t{32767}, int16_t{-1}, int16_t{-32768}}) {
        SCOPED_TRACE(index);
        ItemBytes item;
        item.fill(0x5A);
        EXPECT_EQ(QuorlaExtensionEnumerate(0, index, item.data()), 0);
        for (uint8_t byte : item) ASSERT_EQ(byte, 0x5A);
    }
    EXPECT_EQ(QuorlaExtensionEnumerate(0, 0, nullptr), 0);  // no record to fill
}

TEST(EntryPoints, AnswerTheirConstantsWhateverTheArguments) {
    for (uint32_t argument : {0u, 1u, 0x08000000u, 0xFFFFFFFFu}) {
        EXPECT_EQ(QuorlaExtensionVersion(argument), 0x07000000u);
        EXPECT_EQ(QuorlaExtensionInit(argument, ~argument), 1);
        EXPECT_EQ(QuorlaExtensionGetMenuStatus(argument), 1);
        QuorlaExtensionTerminate(argument);
    }
    // Any order of calls gives the same answers: enumeration after terminate still works.
    ItemBytes item{};
    EXPECT_EQ(QuorlaExtensionEnumerate(0, 3, item.data()), 1);
    EXPECT_EQ(Field(item, 0), "Playback ON");
}

}  // namespace
