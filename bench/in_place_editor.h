#pragma once
// An editor as cheap as an editor can be, for measuring the module's own cost: the score
// lies in one block below 4 GiB, frames are served in place (no copy, no allocation), and
// every service only counts its call.

#include <cstddef>
#include <cstdint>

#include "host/records.h"
#include "host/services.h"
#include "support/export_table_platform.h"

namespace bench {

struct InPlaceScore {
    int staves = 0;
    int measures = 0;
    int entriesPerFrame = 0;
    uint8_t* block = nullptr;
    size_t frameStride = 0;
    uint64_t notes = 0;  // in the whole score
};

// Notes per entry cycle 1 to 5, three on average.
InPlaceScore& BuildScore(int staves, int measures, int entriesPerFrame);
uint8_t* FrameAt(const InPlaceScore& score, int staff, int measure, int layer);

struct CallCounts {
    uint64_t calls = 0;
};
CallCounts& EditorCalls();

// Makes the in-place editor's seven walk services the ones the module finds. With
// `reuseFrames`, every cell is served one of the frames of the first 8 x 8 cells, so the
// frames stay in the caches and what is left is the walk's own work.
void ServeWalk(const InPlaceScore& score, bool reuseFrames = false);

regionflags::host::ERegion Region(int startMeasure, int startStaff, int endMeasure, int endStaff);

}  // namespace bench
