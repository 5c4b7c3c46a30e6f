#pragma once
// What one command did to a score, gathered from the stand-in editor as the plug-in runs:
// the cells it visited, the frames it loaded, stored and released, and every flag bit it
// set or cleared.

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "editor/score.h"
#include "editor/standin_editor.h"

namespace sim {

struct BitChanges {
    int set = 0;
    int cleared = 0;
};

enum class CellMark : char { kOutside = ' ', kVisited = '.', kChanged = '#', kNotReached = '-' };

struct RunReport {
    std::string command;
    int index = 0;
    standin::Selection region;
    int16_t result = 0;
    int cellsInRegion = 0;
    int cellsVisited = 0;
    int framesLoaded = 0;
    int framesStored = 0;
    int framesReleased = 0;
    int entriesChanged = 0;
    int notesChanged = 0;
    BitChanges entryNoSpacing, noteNoSpacing, noteNoPlayback;
    bool cancelled = false;
    int stoppedAtStaff = 0;
    int stoppedAtMeasure = 0;
    std::vector<std::vector<CellMark>> cells;  // [staff - 1][measure - 1]
};

// Follows the editor's progress calls and stores into `report`; call Finish after the run.
void WatchRun(standin::Editor& editor, RunReport& report);
void FinishReport(const standin::Editor& editor, int16_t result, RunReport& report);

std::string ReportText(const RunReport& report);
nlohmann::json ReportJson(const RunReport& report);
// The cells as rows of characters, at most `columns` wide and `rows` high: larger scores
// are shown in blocks, each marked by the most telling cell within it.
std::vector<std::string> CellGrid(const RunReport& report, int columns = 100, int rows = 40);

}  // namespace sim
