// The stand-in editor as a program: it exports its services from its own executable,
// loads the real plug-in file and drives it only through the six entry points.

#include <gtest/gtest.h>

#include <string>

#include "editor/plugin.h"
#include "editor/score_changes.h"
#include "editor/standin_editor.h"

namespace {

using namespace standin;

class PluginFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        plugin = LoadPlugin(REGIONFLAGS_PLUGIN_FILE, error);  // a fresh load: nothing resolved yet
        ASSERT_NE(plugin.library, nullptr) << error;
        SetCurrentEditor(&editor);
    }
    void TearDown() override {
        SetCurrentEditor(nullptr);
        UnloadPlugin(plugin);
    }
    int16_t Invoke(int16_t index, const Selection& selection) {
        region = RegionBytes(selection);
        editor.selectedRegion = region.data();
        return plugin.invoke(0, index, region.data(), 0);
    }

    Plugin plugin;
    Editor editor{SampleScore()};
    std::array<uint8_t, kRegionBytes> region{};
};

TEST_F(PluginFile, ListsItsFourCommandsAsTheEditorShowsThem) {
    EXPECT_EQ(plugin.version(0), 0x07000000u);
    EXPECT_EQ(plugin.init(0, 0), 1);
    EXPECT_EQ(plugin.getMenuStatus(0), 1);
    const std::vector<MenuItem> menu = EnumerateMenu(plugin);
    ASSERT_EQ(menu.size(), 4u);
    const char* texts[] = {"Spacing OFF", "Spacing ON", "Playback OFF", "Playback ON"};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(menu[k].menuText, texts[k]);
        EXPECT_EQ(menu[k].menuTextAgain, texts[k]);
        EXPECT_EQ(menu[k].firstWord, 1);
        EXPECT_EQ(menu[k].secondWord, 0);
    }
    EXPECT_EQ(menu[0].description, "Mark the region's entries to not use music spacing.");
    plugin.terminate(0);
}

// Each command over the whole sample score: what it changes, from the editor's side.
TEST_F(PluginFile, EachCommandChangesOnlyItsOwnBit) {
    struct Expect {
        int16_t index;
        uint32_t entryBit;
        uint32_t noteBit;
    };
    for (const Expect& c : {Expect{0, 0x0800, 0x00200000}, Expect{1, 0x0800, 0x00200000},
                            Expect{2, 0, 0x00400000}, Expect{3, 0, 0x00400000}}) {
        SCOPED_TRACE(c.index);
        editor.score = SampleScore();
        const Score before = editor.score;
        ASSERT_EQ(Invoke(c.index, WholeScore(editor.score)), 1);
        const ScoreChanges changes = CompareScores(before, editor.score);
        EXPECT_EQ(changes.otherBytes, 0);
        EXPECT_FALSE(changes.flags.empty());
        for (const FlagChange& change : changes.flags) {
            EXPECT_EQ(change.before ^ change.after, change.note < 0 ? c.entryBit : c.noteBit) << DescribeChange(change);
            const bool set = c.index == 0 || c.index == 2;
            EXPECT_EQ((change.after & (change.before ^ change.after)) != 0, set) << DescribeChange(change);
        }
        EXPECT_TRUE(editor.faults.empty());
        EXPECT_EQ(editor.OpenLoans(), 0);
    }
}

TEST_F(PluginFile, HonoursHiddenLayersAndCancellation) {
    editor.settings.hiddenLayers = {false, true, false, true};
    editor.settings.cancelAtProgressCall = 4;
    EXPECT_EQ(Invoke(2, WholeScore(editor.score)), 0);
    EXPECT_EQ(editor.counts.progressCalls, 4);
    EXPECT_EQ(editor.counts.framesLoaded, 6);  // three cells, layers 0 and 2
    EXPECT_EQ(editor.counts.framesReleased, 6);
    EXPECT_EQ(editor.counts.lastEndAbandoned, 1);
    for (const ServiceCall& call : editor.calls) {
        if (call.service == "QL_LoadTGF") {
            EXPECT_EQ(call.text.find(", 1, 1, 0x"), std::string::npos) << call.text;
        }
    }
}

TEST_F(PluginFile, FindsTheEditorsServicesInItsExecutable) {
    // A second command after the first reaches the same services: nothing to look up again
    // shows from outside, but both runs must reach the editor.
    ASSERT_EQ(Invoke(0, WholeScore(editor.score)), 1);
    const size_t first = editor.calls.size();
    ASSERT_EQ(Invoke(1, WholeScore(editor.score)), 1);
    EXPECT_EQ(editor.calls.size(), 2 * first);
    EXPECT_EQ(editor.calls.front().text, "QL_StartMassEdit(region, 0, 0x08000000)");
}

}  // namespace
