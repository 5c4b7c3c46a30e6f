#include "editor/score_changes.h"

#include <cstdio>

namespace standin {
namespace {

bool IsEntryFlagByte(size_t k) { return k == kEntryFlagsField || k == kEntryFlagsField + 1; }

bool IsNoteFlagByte(size_t k) {
    if (k < kEntryFirstNote || k >= kEntryFirstNote + kNoteSlots * kNoteBytes) return false;
    const size_t inNote = (k - kEntryFirstNote) % kNoteBytes;
    return inNote >= kNoteFlagsField && inNote < kNoteFlagsField + 4;
}

void CompareEntries(const EntryBytes& was, const EntryBytes& now, FlagChange where, ScoreChanges& changes) {
    if (EntryFlags(was) != EntryFlags(now)) {
        where.note = -1;
        where.before = EntryFlags(was);
        where.after = EntryFlags(now);
        changes.flags.push_back(where);
    }
    for (int n = 0; n < kNoteSlots; ++n) {
        if (NoteFlags(was, n) == NoteFlags(now, n)) continue;
        where.note = n;
        where.before = NoteFlags(was, n);
        where.after = NoteFlags(now, n);
        changes.flags.push_back(where);
    }
    for (size_t k = 0; k < kEntryBytes; ++k)
        if (was[k] != now[k] && !IsEntryFlagByte(k) && !IsNoteFlagByte(k)) ++changes.otherBytes;
}

}  // namespace

void CompareFrames(const Frame& was, const Frame& now, FlagChange where, ScoreChanges& changes) {
    for (size_t k = 0; k < kFrameHeaderBytes; ++k)
        if (was.header[k] != now.header[k]) ++changes.otherBytes;
    if (was.entries.size() != now.entries.size()) {
        ++changes.otherBytes;
        return;
    }
    for (size_t e = 0; e < was.entries.size(); ++e) {
        where.entry = static_cast<int>(e);
        CompareEntries(was.entries[e], now.entries[e], where, changes);
    }
}

ScoreChanges CompareScores(const Score& before, const Score& after) {
    ScoreChanges changes;
    if (before.staves != after.staves || before.measures != after.measures) {
        changes.otherBytes = 1;
        return changes;
    }
    for (int measure = 1; measure <= before.measures; ++measure)
        for (int staff = 1; staff <= before.staves; ++staff)
            for (int layer = 0; layer < kLayers; ++layer)
                CompareFrames(before.At(staff, measure, layer), after.At(staff, measure, layer),
                              FlagChange{staff, measure, layer, 0, -1, 0, 0}, changes);
    return changes;
}

std::string DescribeChange(const FlagChange& c) {
    char text[160];
    if (c.note < 0)
        std::snprintf(text, sizeof text, "measure %d staff %d layer %d entry %d: entry flags 0x%04X -> 0x%04X",
                      c.measure, c.staff, c.layer, c.entry, c.before, c.after);
    else
        std::snprintf(text, sizeof text, "measure %d staff %d layer %d entry %d note %d: flags 0x%08X -> 0x%08X",
                      c.measure, c.staff, c.layer, c.entry, c.note, c.before, c.after);
    return text;
}

}  // namespace standin
