// The translating load and store, case by case: the worked examples of each path, the
// refusals, the special load tags and the plain forwards.

#include <gtest/gtest.h>

#include <cstring>

#include "support/data_record_fixture.h"

namespace {

using testsupport::Tag;
using testsupport::Words;
using Translation = testsupport::DataRecordFixture;

TEST_F(Translation, PlayerPreferencesLoadFromFourRecords) {
    PutOt("13", -2, 0, {0, 0x1301, 0, 0, 0, 0});
    PutOt("39", -2, 0, {0, 0, 0, 0x3903, 0, 0});
    PutOt("36", -2, 0, {0x3600, 0, 0, 0, 0, 0x3605});
    PutOt("37", -2, 0, {0x3700, 0x3701, 0x3702, 0, 0, 0});
    uint8_t buffer[14];
    int32_t size = 14;
    ASSERT_EQ(Load(Tag("pfPL"), 0, buffer, &size), 1);
    const std::vector<std::string> expected = {OtLoad("ot13", -2, 0), OtLoad("ot39", -2, 0), OtLoad("ot36", -2, 0),
                                               OtLoad("ot37", -2, 0)};
    EXPECT_EQ(editor.CallTexts(), expected);
    const uint16_t fields[] = {0x1301, 0x3903, 0x3600, 0x3605, 0x3700, 0x3701, 0x3702};
    for (size_t k = 0; k < 7; ++k) EXPECT_EQ(standin::ReadLE(buffer + 2 * k, 2), fields[k]) << k;
}

TEST_F(Translation, AStoreWritesBackOnlyTheRecordWhoseWordChanged) {
    PutOt("13", -2, 0, {1, 2, 3, 4, 5, 6});
    PutOt("39", -2, 0, {7, 8, 9, 10, 11, 12});
    PutOt("36", -2, 0, {13, 14, 15, 16, 17, 18});
    PutOt("37", -2, 0, {19, 20, 21, 22, 23, 24});
    uint8_t buffer[14];
    int32_t size = 14;
    ASSERT_EQ(Load(Tag("pfPL"), 0, buffer, &size), 1);

    editor.calls.clear();
    ASSERT_EQ(Save(Tag("pfPL"), 0, buffer, 14), 1);
    EXPECT_EQ(CallsTo("QL_LoadEData").size(), 4u);
    EXPECT_TRUE(CallsTo("QL_SaveEData").empty());

    standin::WriteLE(buffer + 6, 2, 0xBEEF);  // word 5 of "ot36"
    editor.calls.clear();
    ASSERT_EQ(Save(Tag("pfPL"), 0, buffer, 14), 1);
    EXPECT_EQ(CallsTo("QL_SaveEData"), std::vector<std::string>{OtStore("ot36", -2, 0)});
    EXPECT_EQ(OtWords("36", -2, 0), (Words{13, 14, 15, 16, 17, 0xBEEF}));
}

TEST_F(Translation, FourByteFieldsHoldTheUpperWordFirst) {
    PutOt("65", -2, 0, {0, 0, 0x0001, 0x0002, 0, 0});
    std::vector<uint8_t> buffer(44);
    int32_t size = 44;
    ASSERT_EQ(Load(Tag("pfPB"), 0, buffer.data(), &size), 1);
    EXPECT_EQ(standin::ReadLE(buffer.data(), 4), 0x00010002u);
    standin::WriteLE(buffer.data(), 4, 0x00030004u);
    ASSERT_EQ(Save(Tag("pfPB"), 0, buffer.data(), 44), 1);
    EXPECT_EQ(OtWords("65", -2, 0), (Words{0, 0, 3, 4, 0, 0}));
}

TEST_F(Translation, TwoFieldsOnOneWordStoreTheLaterAndEitherCountsAsAChange) {
    PutOt("41", -2, 0, {0, 500, 0, 0, 0, 0});
    std::vector<uint8_t> buffer(104);
    int32_t size = 104;
    ASSERT_EQ(Load(Tag("pfMS"), 0, buffer.data(), &size), 1);
    EXPECT_EQ(standin::ReadLE(buffer.data() + 16, 2), 500u);
    EXPECT_EQ(standin::ReadLE(buffer.data() + 50, 2), 500u);
    auto storesOf41 = [&] {
        int stores = 0;
        for (const std::string& text : CallsTo("QL_SaveEData")) stores += text.find("(ot41, -2, 0,") != std::string::npos;
        return stores;
    };
    struct Case {
        uint16_t at16, at50;
        bool stored;
        uint16_t word;
    };
    for (const Case& c : {Case{500, 500, false, 500}, Case{600, 700, true, 700}, Case{600, 500, true, 500},
                          Case{500, 700, true, 700}}) {
        SCOPED_TRACE(std::to_string(c.at16) + "/" + std::to_string(c.at50));
        PutOt("41", -2, 0, {0, 500, 0, 0, 0, 0});
        editor.calls.clear();
        standin::WriteLE(buffer.data() + 16, 2, c.at16);
        standin::WriteLE(buffer.data() + 50, 2, c.at50);
        ASSERT_EQ(Save(Tag("pfMS"), 0, buffer.data(), 104), 1);
        EXPECT_EQ(storesOf41(), c.stored ? 1 : 0);
        EXPECT_EQ(OtWords("41", -2, 0)[1], c.word);
    }
}

TEST_F(Translation, LowByteFieldsComeBackSignExtended) {
    PutOt("12", -2, 0, {0, 0, 0, 0, 0, 0x0080});  // pfSS offset 28: high byte 0, low byte 128
    std::vector<uint8_t> buffer(96);
    int32_t size = 96;
    ASSERT_EQ(Load(Tag("pfSS"), 0, buffer.data(), &size), 1);
    EXPECT_EQ(standin::ReadLE(buffer.data() + 28, 2), 128u);
    editor.calls.clear();
    ASSERT_EQ(Save(Tag("pfSS"), 0, buffer.data(), 96), 1);
    EXPECT_EQ(CallsTo("QL_SaveEData"), std::vector<std::string>{OtStore("ot12", -2, 0)});
    EXPECT_EQ(OtWords("12", -2, 0)[5], 0xFF80);
}

TEST_F(Translation, InvertedFieldsReadZeroAsOne) {
    PutOt("36", -2, 0, {0, 0, 0, 0, 0, 0});  // pfMS offset 12: word 1, inverted
    std::vector<uint8_t> buffer(104);
    int32_t size = 104;
    ASSERT_EQ(Load(Tag("pfMS"), 0, buffer.data(), &size), 1);
    EXPECT_EQ(standin::ReadLE(buffer.data() + 12, 2), 1u);
    standin::WriteLE(buffer.data() + 12, 2, 0);
    ASSERT_EQ(Save(Tag("pfMS"), 0, buffer.data(), 104), 1);
    EXPECT_EQ(OtWords("36", -2, 0)[1], 1);
}

TEST_F(Translation, ArrayRecordsAreWholeOtRecordsInIndexOrder) {
    for (int16_t k = 0; k < 11; ++k) PutOt("88", -2, k, {static_cast<uint16_t>(k), 1, 2, 3, 4, 5});
    std::vector<uint8_t> buffer(132, 0xEE);
    int32_t size = 131;
    EXPECT_EQ(Load(Tag("pfGG"), 0, buffer.data(), &size), 0);
    EXPECT_TRUE(editor.calls.empty());
    EXPECT_EQ(size, 131);
    size = 132;
    ASSERT_EQ(Load(Tag("pfGG"), 0, buffer.data(), &size), 1);
    for (int k = 0; k < 11; ++k) {
        EXPECT_EQ(editor.calls[static_cast<size_t>(k)].text, OtLoad("ot88", -2, k));
        EXPECT_EQ(standin::ReadLE(buffer.data() + 12 * k, 2), static_cast<uint32_t>(k));
    }
    buffer[12 * 10] = 0x77;
    editor.calls.clear();
    ASSERT_EQ(Save(Tag("pfGG"), 0, buffer.data(), 132), 1);
    EXPECT_EQ(CallsTo("QL_SaveEData").size(), 11u);
    EXPECT_TRUE(CallsTo("QL_LoadEData").empty());
    EXPECT_EQ(OtWords("88", -2, 10)[0], 0x77);
}

TEST_F(Translation, ANumberedArrayRecordIsTheElementOfThatNumber) {
    PutOt("40", -2, 4, {9, 9, 9, 9, 9, 9});
    uint8_t buffer[12];
    int32_t size = 12;
    ASSERT_EQ(Load(Tag("pfSN"), 5, buffer, &size), 1);
    EXPECT_EQ(editor.CallTexts(), std::vector<std::string>{OtLoad("ot40", -2, 4)});
    editor.calls.clear();
    ASSERT_EQ(Save(Tag("pfSN"), 5, buffer, 12), 1);
    EXPECT_EQ(editor.CallTexts(), std::vector<std::string>{OtStore("ot40", -2, 4)});
}

// Requests the translation refuses without asking the editor anything.
TEST_F(Translation, RefusesShortOrMissingRecordsBeforeAnyEditorCall) {
    std::vector<uint8_t> buffer(200, 0xEE);
    int32_t size = 200;
    struct Case {
        const char* name;
        std::function<int16_t()> call;
    };
    const std::vector<Case> cases = {
        {"field-mapped load without a size", [&] { return Load(Tag("pfPL"), 0, buffer.data(), nullptr); }},
        {"array-mapped load without a size", [&] { return Load(Tag("pfGG"), 0, buffer.data(), nullptr); }},
        {"field-mapped store without a buffer", [&] { return Save(Tag("pfPL"), 0, nullptr, 14); }},
        {"array-mapped store without a buffer", [&] { return Save(Tag("pfTX"), 0, nullptr, 96); }},
        {"field-mapped store one byte short", [&] { return Save(Tag("pfPB"), 0, buffer.data(), 43); }},
        {"music spacing store short of its 104 bytes", [&] { return Save(Tag("pfMS"), 0, buffer.data(), 103); }},
        {"array-mapped store one byte short", [&] { return Save(Tag("pfTX"), 0, buffer.data(), 95); }},
        {"negative store length", [&] { return Save(Tag("pfPL"), 0, buffer.data(), -1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.call(), 0);
        EXPECT_TRUE(editor.calls.empty());
    }
    EXPECT_EQ(size, 200);
    for (uint8_t byte : buffer) EXPECT_EQ(byte, 0xEE);
    EXPECT_EQ(Save(Tag("pfPB"), 0, buffer.data(), 44), 1);
    EXPECT_EQ(Save(Tag("pfMS"), 0, buffer.data(), 104), 1);
}

TEST_F(Translation, AFailedInnerLoadLeavesZerosNotStaleBytes) {
    uint8_t buffer[14];
    std::memset(buffer, 0xEE, sizeof buffer);
    int32_t size = 14;
    ASSERT_EQ(Load(Tag("pfPL"), 0, buffer, &size), 1);  // the editor has none of the four records
    for (uint8_t byte : buffer) EXPECT_EQ(byte, 0);
    standin::WriteLE(buffer + 2, 2, 5);
    ASSERT_EQ(Save(Tag("pfPL"), 0, buffer, 14), 1);
    EXPECT_EQ(OtWords("39", -2, 0), (Words{0, 0, 0, 5, 0, 0}));
}

TEST_F(Translation, OldCallersStoreAsTheyAreButLoadsAreAlwaysTranslated) {
    uint8_t buffer[14] = {};
    editor.settings.failingStores = {{Tag("pfPL"), 0, 123}};
    EXPECT_EQ(Save(Tag("pfPL"), 0, buffer, 14, 0x07000000), 0);  // the editor's own answer
    EXPECT_EQ(editor.CallTexts(), std::vector<std::string>{"QL_SaveEData(pfPL, 0, 123, 0, buffer, 14, 0x07000000)"});
    editor.calls.clear();
    Save(Tag("pfPL"), 0, buffer, 14, 0x80000000);  // negative as a signed word
    EXPECT_EQ(editor.calls.size(), 1u);
    editor.calls.clear();
    int32_t size = 14;
    ASSERT_EQ(Load(Tag("pfPL"), 0, buffer, &size, 0x07000000), 1);
    EXPECT_EQ(editor.calls.size(), 4u);
}

TEST_F(Translation, EverythingElseIsForwardedUnchangedAsOneCall) {
    editor.settings.loadAnswer = [](uint32_t, uint8_t*, int32_t*) { return std::optional<int16_t>(77); };
    uint8_t buffer[32] = {};
    struct Case {
        uint32_t tag;
        int16_t number;
        const char* load;
    };
    const Case cases[] = {
        {Tag("ot13"), -2, "QL_LoadEData(ot13, -2, 123, 0, buffer, 32, 0x08000000)"},
        {Tag("abcd"), 0, "QL_LoadEData(abcd, 0, 123, 0, buffer, 32, 0x08000000)"},
        {Tag("pfGb"), 5, "QL_LoadEData(pfGb, 5, 123, 0, buffer, 32, 0x08000000)"},
        {Tag("pfPF"), 2, "QL_LoadEData(pfPF, 2, 123, 0, buffer, 32, 0x08000000)"},
        {0x4F044958, 1, "QL_LoadEData(0x4F044958, 1, 123, 0, null, 32, 0x08000000)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.load);
        editor.calls.clear();
        int32_t size = 32;
        const bool probe = c.tag == 0x4F044958;
        EXPECT_EQ(Load(c.tag, c.number, probe ? nullptr : buffer, &size), 77);
        EXPECT_EQ(editor.CallTexts(), std::vector<std::string>{c.load});
        if (probe) continue;
        editor.calls.clear();
        Save(c.tag, c.number, buffer, 32);
        ASSERT_EQ(editor.calls.size(), 1u);
        EXPECT_EQ(editor.calls[0].service, "QL_SaveEData");
    }
    EXPECT_EQ(Save(Tag("SOSD"), 0, buffer, 32), 1);  // the store has no special tags
    EXPECT_EQ(editor.dataRecords.count({Tag("SOSD"), 0, 123}), 1u);
}

TEST_F(Translation, ZeroProbesCountWhatTheEditorWroteWhenItRefuses) {
    struct Case {
        uint32_t tag;
        size_t cleared;
    };
    for (const Case& c : {Case{0x4F044958, 48}, Case{0x4F096649, 108}}) {
        SCOPED_TRACE(c.cleared);
        std::vector<uint8_t> buffer(128, 0xEE);
        int32_t size = 128;
        editor.calls.clear();
        editor.settings.loadAnswer = [](uint32_t, uint8_t*, int32_t*) { return std::optional<int16_t>(0); };
        EXPECT_EQ(Load(c.tag, 0, buffer.data(), &size), 0);
        for (size_t k = 0; k < buffer.size(); ++k) ASSERT_EQ(buffer[k], k < c.cleared ? 0 : 0xEE) << k;
        EXPECT_EQ(editor.calls.size(), 1u);

        const size_t last = c.cleared - 1;
        editor.settings.loadAnswer = [last](uint32_t, uint8_t* b, int32_t*) {
            b[last] = 1;
            return std::optional<int16_t>(0);
        };
        EXPECT_EQ(Load(c.tag, 0, buffer.data(), &size), 1);

        int answer = 3;  // the editor has it: asked again, and the second answer counts
        editor.calls.clear();
        editor.settings.loadAnswer = [&answer](uint32_t, uint8_t*, int32_t*) { return std::optional<int16_t>(answer++); };
        EXPECT_EQ(Load(c.tag, 0, buffer.data(), &size), 4);
        ASSERT_EQ(editor.calls.size(), 2u);
        EXPECT_EQ(editor.calls[0].text, editor.calls[1].text);
    }
}

TEST_F(Translation, ScoreSetupAnEditorHasIsAskedForTwice) {
    editor.dataRecords[{Tag("SOSD"), 7, 123}] = std::vector<uint8_t>(66, 0x42);
    std::vector<uint8_t> buffer(100, 0xEE);
    int32_t size = 100;
    EXPECT_EQ(Load(Tag("SOSD"), 7, buffer.data(), &size, kVersion, 99), 1);
    ASSERT_EQ(editor.calls.size(), 2u);
    EXPECT_EQ(editor.calls[0].text, "QL_LoadEData(SOSD, 7, 123, 99, buffer, 100, 0x08000000)");
    EXPECT_EQ(editor.calls[1].text, "QL_LoadEData(SOSD, 7, 123, 99, buffer, 66, 0x08000000)");
    EXPECT_EQ(buffer[65], 0x42);
}

TEST_F(Translation, ScoreSetupFallsBackToAZeroRecordWhereTheOtRecordExists) {
    PutOt("SD", 7, 0, {1, 1, 1, 1, 1, 1});
    struct Case {
        const char* name;
        bool buffer;
        bool sizeGiven;
        int32_t size;
        int16_t result;
        int32_t sizeAfter;
        size_t cleared;
    };
    const Case cases[] = {
        {"capacity 100", true, true, 100, 1, 100, 66},   {"capacity 40", true, true, 40, 1, 40, 40},
        {"size only", false, true, 0, 1, 66, 0},         {"negative capacity", true, true, -5, 1, -5, 0},
        {"no size location", true, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        editor.calls.clear();
        std::vector<uint8_t> buffer(128, 0xEE);
        int32_t size = c.size;
        EXPECT_EQ(Load(Tag("SOSD"), 7, c.buffer ? buffer.data() : nullptr, c.sizeGiven ? &size : nullptr, kVersion, 99),
                  c.result);
        EXPECT_EQ(size, c.sizeAfter);
        for (size_t k = 0; k < buffer.size(); ++k) ASSERT_EQ(buffer[k], k < c.cleared ? 0 : 0xEE) << k;
        if (c.result == 1) {
            EXPECT_EQ(editor.calls.back().text, OtLoad("otSD", 7, 0, 99));
        }
    }
    editor.dataRecords.clear();
    int32_t size = 100;
    std::vector<uint8_t> buffer(100, 0xEE);
    EXPECT_EQ(Load(Tag("SOSD"), 7, buffer.data(), &size), 0);  // neither record exists
    EXPECT_EQ(buffer[0], 0xEE);
}

TEST_F(Translation, AMissingEditorServiceRefusesBeforeAnyCall) {
    uint8_t buffer[132] = {};
    int32_t size = 132;
    editor.settings.missingServices = {"QL_LoadEData"};
    EXPECT_EQ(Load(Tag("pfPL"), 0, nullptr, &size), 0);
    EXPECT_EQ(Load(Tag("abcd"), 0, buffer, &size), 0);
    EXPECT_EQ(Save(Tag("pfPL"), 0, buffer, 14), 0);  // spreading fields needs their records loaded
    EXPECT_TRUE(editor.calls.empty());
    EXPECT_EQ(Save(Tag("pfGs"), 1, buffer, 12), 1);  // whole records need only the store
    EXPECT_EQ(editor.calls.size(), 1u);

    testsupport::ForgetHostBinding();
    editor.calls.clear();
    editor.settings.missingServices = {"QL_SaveEData"};
    EXPECT_EQ(Save(Tag("pfPL"), 0, buffer, 14), 0);
    EXPECT_EQ(Save(Tag("abcd"), 0, buffer, 14), 0);
    EXPECT_TRUE(editor.calls.empty());
}

}  // namespace
