// quorla-sim: the plug-in run on a score from the command line, through the same entry
// points and services as in the editor.

#include <CLI/CLI.hpp>
#include <cstdio>

#include "editor/plugin.h"
#include "sim/commands.h"

int main(int argc, char** argv) {
    CLI::App app{"quorla-sim: run the regionflags plug-in on a score as the Quorla editor would"};
    std::string plugin = standin::PluginBesideProgram(argv[0]);
    app.add_option("--plugin", plugin, "the plug-in file (default: the one beside this program)");

    CLI::App* list = app.add_subcommand("list", "the plug-in's menu items and descriptions");
    list->add_option("--plugin", plugin, "the plug-in file");

    sim::RunOptions run;
    CLI::App* runCommand = app.add_subcommand("run", "run one command over a region of a score");
    runCommand->add_option("COMMAND", run.command, "a menu text (\"Playback OFF\") or its index")->required();
    auto* score = runCommand->add_option("--score", run.source.scoreFile, "a JSON score, or MusicXML (.musicxml, .xml)");
    runCommand->add_option("--generate", run.source.generate, "a synthetic score of MEASURESxSTAVES, e.g. 2000x40")
        ->excludes(score);
    runCommand->add_option("--region", run.region, "FIRST-LAST as MEASURE:STAFF[@POSITION], e.g. 3:1@256-5:2@1024");
    runCommand->add_option("--hide-layers", run.hiddenLayers, "layers the editor does not show, e.g. 1,3")
        ->delimiter(',')
        ->check(CLI::Range(0, 3));
    runCommand->add_option("--cancel-after", run.cancelAfter, "cancel after N cells, as a user would")
        ->check(CLI::NonNegativeNumber);
    runCommand->add_option("--out", run.out, "write the edited score here, as JSON");
    runCommand->add_flag("--json", run.json, "print the result as one JSON object");
    runCommand->add_option("--plugin", plugin, "the plug-in file");

    sim::ScoreSource show;
    CLI::App* showCommand = app.add_subcommand("show", "a score's flags as a grid of staves by measures");
    auto* showScore = showCommand->add_option("--score", show.scoreFile, "a JSON or MusicXML score");
    showCommand->add_option("--generate", show.generate, "a synthetic score of MEASURESxSTAVES")->excludes(showScore);
    app.require_subcommand(0, 1);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        std::fprintf(stderr, "quorla-sim: %s (see quorla-sim --help)\n", error.what());
        return 2;
    }
    if (*list) return sim::ListMenu(plugin);
    if (*runCommand) {
        run.plugin = plugin;
        return sim::RunOnScore(run);
    }
    if (*showCommand) return sim::ShowScore(show);
    return sim::Demo(plugin);
}
