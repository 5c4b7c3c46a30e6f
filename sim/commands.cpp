#include "sim/commands.h"

#include <csignal>
#include <cstdio>
#include <iostream>

#include "editor/plugin.h"
#include "editor/standin_editor.h"
#include "sim/input_error.h"
#include "sim/musicxml_import.h"
#include "sim/progress_bar.h"
#include "sim/region_notation.h"
#include "sim/run_report.h"
#include "sim/score_grid.h"
#include "sim/score_json.h"
#include "sim/synthetic_score.h"

namespace sim {
namespace {

volatile std::sig_atomic_t gInterrupted = 0;
void OnInterrupt(int) { gInterrupted = 1; }

// From the start of a command to its end, Ctrl-C is the user cancelling: a Ctrl-C while the
// score still loads cancels the walk at its first progress call.
struct CtrlCCancels {
    void (*previous)(int);
    CtrlCCancels() : previous(std::signal(SIGINT, OnInterrupt)) { gInterrupted = 0; }
    ~CtrlCCancels() { std::signal(SIGINT, previous); }
    CtrlCCancels(const CtrlCCancels&) = delete;
    CtrlCCancels& operator=(const CtrlCCancels&) = delete;
};

// A loaded plug-in, unloaded when it goes out of scope.
struct LoadedPlugin {
    standin::Plugin plugin;
    explicit LoadedPlugin(const std::string& path) {
        std::string error;
        plugin = standin::LoadPlugin(path, error);
        if (plugin.library == nullptr) throw InputError(error);
    }
    ~LoadedPlugin() { standin::UnloadPlugin(plugin); }
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;
};

struct LoadedScore {
    standin::Score score;
    std::vector<std::string> warnings;
    std::string summary;
};

LoadedScore LoadScore(const ScoreSource& source) {
    if (!source.generate.empty()) return {GenerateScore(source.generate), {}, "generated score " + source.generate};
    if (source.scoreFile.empty()) return {standin::SampleScore(), {}, "the built-in sample score"};
    if (LooksLikeMusicXml(source.scoreFile)) {
        ImportedScore imported = ImportMusicXml(source.scoreFile);
        const std::string summary = source.scoreFile + ": " + std::to_string(imported.parts) + " parts, " +
                                    std::to_string(imported.score.staves) + " staves, " +
                                    std::to_string(imported.score.measures) + " measures, " +
                                    std::to_string(imported.entries) + " entries";
        return {std::move(imported.score), std::move(imported.warnings), summary};
    }
    return {ReadScoreJson(source.scoreFile), {}, source.scoreFile};
}

int ResolveCommand(const std::string& command, const std::vector<standin::MenuItem>& menu) {
    for (size_t k = 0; k < menu.size(); ++k)
        if (menu[k].menuText == command || std::to_string(k) == command) return static_cast<int>(k);
    std::string offered;
    for (size_t k = 0; k < menu.size(); ++k) offered += (k ? ", \"" : "\"") + menu[k].menuText + "\" (" + std::to_string(k) + ")";
    throw InputError("unknown command \"" + command + "\"; the plug-in offers " + offered);
}

void PrintMenu(const std::vector<standin::MenuItem>& menu) {
    for (size_t k = 0; k < menu.size(); ++k)
        std::printf("  [%zu] %-13s %s\n", k, menu[k].menuText.c_str(), menu[k].description.c_str());
}

int Failed(const InputError& error) {
    std::fprintf(stderr, "quorla-sim: %s\n", error.what());
    return 2;
}

// Runs one command as the editor would: the selection lent for the call, progress on the
// terminal, a Ctrl-C answered as the user's cancel at the next progress call.
RunReport Execute(const standin::Plugin& plugin, standin::Editor& editor, int index, const std::string& name,
                  const standin::Selection& selection, int cancelAfter) {
    RunReport report;
    report.command = name;
    report.index = index;
    report.region = selection;
    WatchRun(editor, report);
    if (cancelAfter >= 0) editor.settings.cancelAtProgressCall = cancelAfter + 1;
    ProgressBar bar(report.cellsInRegion, StandardErrorIsTerminal());
    editor.onProgress = [&](int staff, int measure) { bar.Update(editor.counts.progressCalls - 1, staff, measure); };
    editor.settings.cancelRequested = [] { return gInterrupted != 0; };
    const auto region = standin::RegionBytes(selection);
    editor.selectedRegion = region.data();
    standin::SetCurrentEditor(&editor);
    const int16_t result = plugin.invoke(0, static_cast<int16_t>(index), region.data(), 0);
    standin::SetCurrentEditor(nullptr);
    editor.onProgress = nullptr;  // both watch locals of this call
    editor.onStore = nullptr;
    bar.Finish();
    FinishReport(editor, result, report);
    return report;
}

}  // namespace

int Demo(const std::string& path) {
    const CtrlCCancels interrupts;
    try {
        LoadedPlugin loaded(path);
        const std::vector<standin::MenuItem> menu = standin::EnumerateMenu(loaded.plugin);
        std::printf("%s: version 0x%08X, %zu commands\n", path.c_str(), loaded.plugin.version(0), menu.size());
        PrintMenu(menu);
        standin::Editor editor(standin::SampleScore());
        const standin::Selection selection = ParseRegion("2:1@256-3:2@768", editor.score);
        const int index = ResolveCommand("Playback OFF", menu);
        std::printf("\nOn the built-in sample score, %d staves by %d measures:\n", editor.score.staves, editor.score.measures);
        const RunReport report = Execute(loaded.plugin, editor, index, menu[static_cast<size_t>(index)].menuText, selection, -1);
        std::printf("%s", ReportText(report).c_str());
        return report.result == 1 ? 0 : 1;
    } catch (const InputError& error) {
        return Failed(error);
    }
}

int ListMenu(const std::string& path) {
    try {
        LoadedPlugin loaded(path);
        PrintMenu(standin::EnumerateMenu(loaded.plugin));
        return 0;
    } catch (const InputError& error) {
        return Failed(error);
    }
}

int RunOnScore(const RunOptions& options) {
    const CtrlCCancels interrupts;
    try {
        LoadedScore loaded = LoadScore(options.source);
        for (const std::string& warning : loaded.warnings) std::fprintf(stderr, "quorla-sim: warning: %s\n", warning.c_str());
        LoadedPlugin plugin(options.plugin);
        const std::vector<standin::MenuItem> menu = standin::EnumerateMenu(plugin.plugin);
        const int index = ResolveCommand(options.command, menu);
        const standin::Selection selection =
            options.region.empty() ? WholeScoreRegion(loaded.score) : ParseRegion(options.region, loaded.score);
        standin::Editor editor(std::move(loaded.score));
        for (int layer : options.hiddenLayers) editor.settings.hiddenLayers[static_cast<size_t>(layer)] = true;
        const RunReport report =
            Execute(plugin.plugin, editor, index, menu[static_cast<size_t>(index)].menuText, selection, options.cancelAfter);
        if (!options.out.empty()) WriteScoreJson(editor.score, options.out);
        if (options.json) {
            nlohmann::json json = ReportJson(report);
            json["score"] = loaded.summary;
            json["warnings"] = loaded.warnings;
            if (!options.out.empty()) json["written"] = options.out;
            std::cout << json.dump(2) << "\n";
        } else {
            std::printf("%s\n%s", loaded.summary.c_str(), ReportText(report).c_str());
            if (!options.out.empty()) std::printf("  the edited score is in %s\n", options.out.c_str());
        }
        return report.result == 1 ? 0 : 1;
    } catch (const InputError& error) {
        return Failed(error);
    }
}

int ShowScore(const ScoreSource& source) {
    try {
        const LoadedScore loaded = LoadScore(source);
        for (const std::string& warning : loaded.warnings) std::fprintf(stderr, "quorla-sim: warning: %s\n", warning.c_str());
        std::printf("%s\n%s", loaded.summary.c_str(), ScoreFlagsText(loaded.score).c_str());
        return 0;
    } catch (const InputError& error) {
        return Failed(error);
    }
}

}  // namespace sim
