#pragma once
// What each of quorla-sim's commands does; each returns the exit status.
//   0: the command ran to its end; 1: the user cancelled it; 2: bad input.

#include <string>
#include <vector>

namespace sim {

struct ScoreSource {
    std::string scoreFile;  // JSON, or MusicXML by its name
    std::string generate;   // MEASURESxSTAVES
};

struct RunOptions {
    std::string plugin;
    std::string command;
    ScoreSource source;
    std::string region;
    std::vector<int> hiddenLayers;
    int cancelAfter = -1;  // cells visited before the editor cancels; -1: never
    std::string out;
    bool json = false;
};

int Demo(const std::string& plugin);
int ListMenu(const std::string& plugin);
int RunOnScore(const RunOptions& options);
int ShowScore(const ScoreSource& source);

}  // namespace sim
