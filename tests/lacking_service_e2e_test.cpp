// An editor executable that does not export QL_GetShowLayer: the plug-in refuses every
// command before calling anything, and the score stays as it was.

#include <gtest/gtest.h>

#include "editor/plugin.h"
#include "editor/score_changes.h"
#include "editor/standin_editor.h"

namespace {

using namespace standin;

TEST(EditorLackingAService, RefusesEveryCommandAndCallsNothing) {
    std::string error;
    Plugin plugin = LoadPlugin(REGIONFLAGS_PLUGIN_FILE, error);
    ASSERT_NE(plugin.library, nullptr) << error;
    Editor editor(SampleScore());
    SetCurrentEditor(&editor);
    const auto region = RegionBytes(WholeScore(editor.score));
    for (int16_t index = 0; index < 4; ++index) EXPECT_EQ(plugin.invoke(0, index, region.data(), 0), 0);
    EXPECT_TRUE(editor.calls.empty());
    EXPECT_TRUE(CompareScores(SampleScore(), editor.score).flags.empty());
    EXPECT_EQ(EnumerateMenu(plugin).size(), 4u);  // the menu itself needs no service
    SetCurrentEditor(nullptr);
    UnloadPlugin(plugin);
}

}  // namespace
