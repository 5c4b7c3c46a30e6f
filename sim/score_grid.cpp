#include "sim/score_grid.h"

#include <algorithm>
#include <cstdio>

namespace sim {
namespace {

struct CellFlags {
    bool entries = false;
    bool noSpacing = false;
    bool noPlayback = false;
};

CellFlags FlagsOf(const standin::Score& score, int staff, int measure) {
    CellFlags flags;
    for (int layer = 0; layer < standin::kLayers; ++layer)
        for (const standin::EntryBytes& entry : score.At(staff, measure, layer).entries) {
            flags.entries = true;
            flags.noSpacing |= (standin::EntryFlags(entry) & standin::kEntryNoSpacingBit) != 0;
            const int notes = std::clamp<int>(standin::EntryNoteCount(entry), 0, standin::kNoteSlots);
            for (int n = 0; n < notes; ++n) {
                flags.noSpacing |= (standin::NoteFlags(entry, n) & standin::kNoteNoSpacingBit) != 0;
                flags.noPlayback |= (standin::NoteFlags(entry, n) & standin::kNoteNoPlaybackBit) != 0;
            }
        }
    return flags;
}

char Mark(const CellFlags& f) {
    if (f.noSpacing && f.noPlayback) return 'B';
    if (f.noSpacing) return 'S';
    if (f.noPlayback) return 'P';
    return f.entries ? 'o' : ' ';
}

}  // namespace

std::string ScoreFlagsText(const standin::Score& score) {
    int entries = 0, notes = 0;
    for (const standin::Frame& frame : score.frames) {
        entries += static_cast<int>(frame.entries.size());
        for (const standin::EntryBytes& entry : frame.entries) notes += std::clamp<int>(standin::EntryNoteCount(entry), 0, 12);
    }
    std::string text = std::to_string(score.staves) + " staves, " + std::to_string(score.measures) + " measures, " +
                       std::to_string(entries) + " entries, " + std::to_string(notes) + " notes\n";
    text += "staves down, measures across: S no-spacing, P no-playback, B both, o entries without these, blank empty\n";
    for (int staff = 1; staff <= score.staves; ++staff) {
        char label[32];
        std::snprintf(label, sizeof label, "%5d |", staff);
        text += label;
        for (int measure = 1; measure <= score.measures; ++measure) text += Mark(FlagsOf(score, staff, measure));
        text += "|\n";
    }
    return text;
}

}  // namespace sim
