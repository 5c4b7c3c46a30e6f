#include "sim/run_report.h"

#include <algorithm>
#include <cstdio>

#include "editor/score_changes.h"

namespace sim {
namespace {

void Count(uint32_t before, uint32_t after, uint32_t bit, BitChanges& changes) {
    if (((before ^ after) & bit) == 0) return;
    ++((after & bit) != 0 ? changes.set : changes.cleared);
}

int Rank(CellMark mark) {
    switch (mark) {
        case CellMark::kChanged: return 3;
        case CellMark::kNotReached: return 2;
        case CellMark::kVisited: return 1;
        default: return 0;
    }
}

std::string RegionText(const standin::Selection& r) {
    char text[160];
    std::snprintf(text, sizeof text, "measures %d-%d, staves %d-%d", r.startMeasure, r.endMeasure, r.startStaff, r.endStaff);
    std::string result = text;
    if (r.startPosition != INT32_MIN) result += ", from position " + std::to_string(r.startPosition) + " of the first";
    if (r.endPosition != INT32_MAX) result += ", before position " + std::to_string(r.endPosition) + " of the last";
    return result;
}

nlohmann::json BitJson(const BitChanges& c) { return {{"set", c.set}, {"cleared", c.cleared}}; }

}  // namespace

void WatchRun(standin::Editor& editor, RunReport& report) {
    const standin::Score& score = editor.score;
    report.cells.assign(static_cast<size_t>(score.staves),
                        std::vector<CellMark>(static_cast<size_t>(score.measures), CellMark::kOutside));
    const standin::Selection& r = report.region;
    for (int m = std::max<int>(r.startMeasure, 1); m <= std::min<int>(r.endMeasure, score.measures); ++m)
        for (int s = std::max<int>(r.startStaff, 1); s <= std::min<int>(r.endStaff, score.staves); ++s) {
            report.cells[static_cast<size_t>(s - 1)][static_cast<size_t>(m - 1)] = CellMark::kNotReached;
            ++report.cellsInRegion;
        }
    editor.onStore = [&report](const standin::Cell& cell, const standin::Frame& before, const standin::Frame& after) {
        standin::ScoreChanges changes;
        const auto& [staff, measure, layer] = cell;
        standin::CompareFrames(before, after, {staff, measure, layer, 0, -1, 0, 0}, changes);
        for (const standin::FlagChange& c : changes.flags) {
            if (c.note < 0) {
                ++report.entriesChanged;
                Count(c.before, c.after, standin::kEntryNoSpacingBit, report.entryNoSpacing);
            } else {
                ++report.notesChanged;
                Count(c.before, c.after, standin::kNoteNoSpacingBit, report.noteNoSpacing);
                Count(c.before, c.after, standin::kNoteNoPlaybackBit, report.noteNoPlayback);
            }
        }
        if (!changes.flags.empty()) report.cells[static_cast<size_t>(staff - 1)][static_cast<size_t>(measure - 1)] = CellMark::kChanged;
    };
}

void FinishReport(const standin::Editor& editor, int16_t result, RunReport& report) {
    const standin::EditorCounts& counts = editor.counts;
    report.result = result;
    report.cancelled = counts.cancelledAtStaff != 0 || counts.cancelledAtMeasure != 0;
    report.stoppedAtStaff = counts.cancelledAtStaff;
    report.stoppedAtMeasure = counts.cancelledAtMeasure;
    report.cellsVisited = counts.progressCalls - (report.cancelled ? 1 : 0);
    report.framesLoaded = counts.framesLoaded;
    report.framesStored = counts.framesStored;
    report.framesReleased = counts.framesReleased;
    // Every cell whose progress call went on was visited, in walk order: measures outer.
    int visited = 0;
    const standin::Selection& r = report.region;
    for (int m = r.startMeasure; m <= r.endMeasure && visited < report.cellsVisited; ++m)
        for (int s = r.startStaff; s <= r.endStaff && visited < report.cellsVisited; ++s, ++visited) {
            CellMark& mark = report.cells[static_cast<size_t>(s - 1)][static_cast<size_t>(m - 1)];
            if (mark == CellMark::kNotReached) mark = CellMark::kVisited;
        }
}

std::vector<std::string> CellGrid(const RunReport& report, int columns, int rows) {
    const int staves = static_cast<int>(report.cells.size());
    const int measures = staves == 0 ? 0 : static_cast<int>(report.cells[0].size());
    const int across = (measures + columns - 1) / columns, down = (staves + rows - 1) / rows;
    std::vector<std::string> grid;
    for (int s0 = 0; s0 < staves; s0 += down) {
        std::string line;
        for (int m0 = 0; m0 < measures; m0 += across) {
            CellMark best = CellMark::kOutside;
            for (int s = s0; s < std::min(staves, s0 + down); ++s)
                for (int m = m0; m < std::min(measures, m0 + across); ++m)
                    if (Rank(report.cells[static_cast<size_t>(s)][static_cast<size_t>(m)]) > Rank(best))
                        best = report.cells[static_cast<size_t>(s)][static_cast<size_t>(m)];
            line += static_cast<char>(best);
        }
        grid.push_back(line);
    }
    return grid;
}

std::string ReportText(const RunReport& r) {
    std::string text = r.command + " over " + RegionText(r.region) + ": ";
    if (r.cancelled) {
        text += "cancelled at measure " + std::to_string(r.stoppedAtMeasure) + " staff " + std::to_string(r.stoppedAtStaff) +
                " (result 0); what was stored before stays stored\n";
    } else {
        text += "ran to the end (result " + std::to_string(r.result) + ")\n";
    }
    text += "  cells visited " + std::to_string(r.cellsVisited) + " of " + std::to_string(r.cellsInRegion) +
            "; frames loaded " + std::to_string(r.framesLoaded) + ", stored " + std::to_string(r.framesStored) +
            ", released " + std::to_string(r.framesReleased) + "\n";
    text += "  flags changed in " + std::to_string(r.entriesChanged) + " entries and " + std::to_string(r.notesChanged) +
            " notes\n";
    auto bit = [&](const char* name, const BitChanges& c) {
        text += std::string("    ") + name + ": " + std::to_string(c.set) + " set, " + std::to_string(c.cleared) + " cleared\n";
    };
    bit("entry no-spacing (0x0800)    ", r.entryNoSpacing);
    bit("note no-spacing (0x00200000) ", r.noteNoSpacing);
    bit("note no-playback (0x00400000)", r.noteNoPlayback);
    const std::vector<std::string> grid = CellGrid(r);
    const int staves = static_cast<int>(r.cells.size());
    const int down = (staves + 39) / 40;
    text += "  staves down, measures across: # changed, . visited unchanged, - not reached\n";
    for (size_t row = 0; row < grid.size(); ++row) {
        char label[32];
        std::snprintf(label, sizeof label, "  %5d |", static_cast<int>(row) * down + 1);
        text += label + grid[row] + "|\n";
    }
    return text;
}

nlohmann::json ReportJson(const RunReport& r) {
    nlohmann::json region = {{"startMeasure", r.region.startMeasure}, {"startStaff", r.region.startStaff},
                             {"startPosition", r.region.startPosition}, {"endMeasure", r.region.endMeasure},
                             {"endStaff", r.region.endStaff}, {"endPosition", r.region.endPosition}};
    nlohmann::json report = {
        {"command", r.command},
        {"index", r.index},
        {"region", region},
        {"result", r.result},
        {"cancelled", r.cancelled},
        {"cellsInRegion", r.cellsInRegion},
        {"cellsVisited", r.cellsVisited},
        {"framesLoaded", r.framesLoaded},
        {"framesStored", r.framesStored},
        {"framesReleased", r.framesReleased},
        {"entriesChanged", r.entriesChanged},
        {"notesChanged", r.notesChanged},
        {"bits",
         {{"entryNoSpacing", BitJson(r.entryNoSpacing)},
          {"noteNoSpacing", BitJson(r.noteNoSpacing)},
          {"noteNoPlayback", BitJson(r.noteNoPlayback)}}},
        {"grid", CellGrid(r)},
    };
    if (r.cancelled) report["stoppedAt"] = {{"measure", r.stoppedAtMeasure}, {"staff", r.stoppedAtStaff}};
    return report;
}

}  // namespace sim
