#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/binding.h"
#include "host/service_wrappers.h"
#include "support/editor_fixture.h"

namespace {

using namespace regionflags::host;
using testsupport::Platform;
using Binding = testsupport::EditorFixture;

TEST_F(Binding, AWrapperLooksItsNameUpOnlyOnce) {
    QL_GetShowLayer(0, kHostCallVersion);
    QL_GetShowLayer(1, kHostCallVersion);
    QL_GetShowLayer(2, kHostCallVersion);
    EXPECT_EQ(Platform().lookups, std::vector<std::string>{"QL_GetShowLayer"});
    EXPECT_EQ(editor.calls.size(), 3u);
}

TEST_F(Binding, TwoWrappersLookUpTwoNamesAndFetchTheModuleOnce) {
    QL_GetShowLayer(0, kHostCallVersion);
    QL_EndMassEdit(9, 0, kHostCallVersion);
    QL_GetShowLayer(0, kHostCallVersion);
    EXPECT_EQ(Platform().lookups, (std::vector<std::string>{"QL_GetShowLayer", "QL_EndMassEdit"}));
    EXPECT_EQ(Platform().moduleHandleCalls, 1);
}

TEST_F(Binding, AServiceNotFoundStaysResolvedAndIsNeverCalledOrLookedUpAgain) {
    editor.settings.missingServices = {"QL_LoadTGF"};
    EXPECT_EQ(QL_LoadTGF(0, 1, 1, 0, 1, kHostCallVersion), nullptr);
    editor.settings.missingServices.clear();  // an editor that gains it later is not asked again
    EXPECT_EQ(QL_LoadTGF(0, 1, 1, 0, 1, kHostCallVersion), nullptr);
    EXPECT_EQ(Platform().lookups, std::vector<std::string>{"QL_LoadTGF"});
    EXPECT_EQ(gHostBinding.slots[kLoadTGFSlot].resolved.load(), 1);
    EXPECT_EQ(gHostBinding.slots[kLoadTGFSlot].address.load(), 0u);
    EXPECT_TRUE(editor.calls.empty());
}

TEST_F(Binding, AWholeCommandLooksUpEachOfItsSevenServicesOnce) {
    standin::Selection s = standin::WholeScore(editor.score);
    ASSERT_EQ(Invoke(0, s), 1);
    ASSERT_EQ(Invoke(2, s), 1);
    const std::multiset<std::string> looked(Platform().lookups.begin(), Platform().lookups.end());
    const std::multiset<std::string> expected = {"QL_StartMassEdit", "QL_MassEditProgress", "QL_EndMassEdit",
                                                 "QL_GetShowLayer",  "QL_LoadTGF",          "QL_SaveTGF",
                                                 "QL_FreeTGF"};
    EXPECT_EQ(looked, expected);
    EXPECT_EQ(Platform().moduleHandleCalls, 1);
}

TEST_F(Binding, WrappersHandArgumentsOnAtTheirOwnWidths) {
    QL_MassEditProgress(0xFFFFFFFFu, 4, -32768, 32767, -1, 0x12345678u);
    const auto key = standin::DataKey(-32768, 32767, 0xFFFFFFFFu);
    int32_t size = -7;
    QL_LoadEData(0x12345678u, const_cast<uint8_t*>(key.data()), nullptr, &size, 0x07000000u);
    QL_SaveEData(0x6F743133u, const_cast<uint8_t*>(key.data()), nullptr, -1, 0x80000000u);
    const std::vector<std::string> expected = {
        "QL_MassEditProgress(0xFFFFFFFF, 4, -32768, 32767, -1, 0x12345678)",
        "QL_LoadEData(0x12345678, -32768, 32767, 4294967295, null, -7, 0x07000000)",
        "QL_SaveEData(ot13, -32768, 32767, 4294967295, null, -1, 0x80000000)",
    };
    EXPECT_EQ(editor.CallTexts(), expected);
}

TEST(EntryPointNames, AreTheEditorsSeventyFourDistinctServiceNames) {
    std::set<std::string> distinct;
    for (const char* name : HostEntryPointNames) {
        EXPECT_EQ(std::string(name).rfind("QL_", 0), 0u) << name;
        distinct.insert(name);
    }
    EXPECT_EQ(distinct.size(), 74u);
    EXPECT_STREQ(HostEntryPointNames[0], "QL_LoadTGF");
    EXPECT_STREQ(HostEntryPointNames[73], "QL_ExecuteMenuItem");
}

}  // namespace
