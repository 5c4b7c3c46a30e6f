// The stand-in editor's demo: loads the plug-in built beside it, shows its menu as the
// editor would, runs each of its commands over a region of a sample score and prints what
// each one changed.

#include <cstdio>
#include <string>

#include "editor/plugin.h"
#include "editor/score_changes.h"
#include "editor/standin_editor.h"

namespace {

using namespace standin;

Selection DemoSelection() {
    Selection s;
    s.startStaff = 1;
    s.startMeasure = 2;
    s.startPosition = 256;
    s.endStaff = 2;
    s.endMeasure = 3;
    s.endPosition = 768;
    return s;
}

void RunCommand(const Plugin& plugin, int16_t index, const MenuItem& item, bool detailed) {
    Editor editor(SampleScore());
    SetCurrentEditor(&editor);
    const auto region = RegionBytes(DemoSelection());
    editor.selectedRegion = region.data();
    const Score before = editor.score;
    const int16_t result = plugin.invoke(0, index, region.data(), 0);
    const ScoreChanges changes = CompareScores(before, editor.score);
    std::printf("%-13s result %d: %d cells, %d frames loaded, %d stored, %d released; %zu flag words changed\n",
                item.menuText.c_str(), result, editor.counts.progressCalls, editor.counts.framesLoaded,
                editor.counts.framesStored, editor.counts.framesReleased, changes.flags.size());
    if (detailed)
        for (const FlagChange& change : changes.flags) std::printf("    %s\n", DescribeChange(change).c_str());
    SetCurrentEditor(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : PluginBesideProgram(argv[0]);
    std::string error;
    Plugin plugin = LoadPlugin(path, error);
    if (plugin.library == nullptr) {
        std::fprintf(stderr, "standin-editor: %s\n", error.c_str());
        return 2;
    }
    plugin.init(0, 0);
    std::printf("%s: version 0x%08X, menu status %d\n", path.c_str(), plugin.version(0), plugin.getMenuStatus(0));
    const std::vector<MenuItem> menu = EnumerateMenu(plugin);
    for (size_t k = 0; k < menu.size(); ++k)
        std::printf("  [%zu] %-13s %s\n", k, menu[k].menuText.c_str(), menu[k].description.c_str());

    std::printf("\nEach command over measures 2 (from position 256) to 3 (before 768), staves 1-2:\n");
    for (size_t k = 0; k < menu.size(); ++k) RunCommand(plugin, static_cast<int16_t>(k), menu[k], k == 2);
    plugin.terminate(0);
    UnloadPlugin(plugin);
    return 0;
}
