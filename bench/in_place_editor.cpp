#include "in_place_editor.h"

#include <sys/mman.h>

#include <cstdlib>

namespace bench {
namespace {

using namespace regionflags::host;

const InPlaceScore* gScore = nullptr;
bool gReuseFrames = false;

extern "C" {
MassEditHandle QL_CALL StartMassEdit(const void*, uint32_t, uint32_t) { return ++EditorCalls().calls, 1; }
int16_t QL_CALL MassEditProgress(MassEditHandle, int16_t, int16_t, int16_t, int16_t, uint32_t) {
    return ++EditorCalls().calls, 1;
}
int16_t QL_CALL EndMassEdit(MassEditHandle, int16_t, uint32_t) { return ++EditorCalls().calls, 1; }
int16_t QL_CALL GetShowLayer(int16_t, uint32_t) { return ++EditorCalls().calls, 1; }
void* QL_CALL LoadTGF(uint16_t, int16_t staff, int16_t measure, int16_t layer, int16_t, uint32_t) {
    ++EditorCalls().calls;
    if (gReuseFrames) return FrameAt(*gScore, 1 + (staff - 1) % 8, 1 + (measure - 1) % 8, layer);
    return FrameAt(*gScore, staff, measure, layer);
}
int16_t QL_CALL SaveTGF(void*, uint32_t) { return ++EditorCalls().calls, 1; }
int16_t QL_CALL FreeTGF(void*, uint32_t) { return ++EditorCalls().calls, 1; }
}


}  // namespace

CallCounts& EditorCalls() {
    static CallCounts counts;
    return counts;
}

InPlaceScore& BuildScore(int staves, int measures, int entriesPerFrame) {
    auto* score = new InPlaceScore{staves, measures, entriesPerFrame, nullptr, 0, 0};
    score->frameStride = (kFrameHeaderSize + 4 + size_t(entriesPerFrame) * kEntrySize + 63) & ~size_t{63};
    const size_t bytes = score->frameStride * size_t(staves) * size_t(measures) * 4;
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
    if (block == MAP_FAILED) std::abort();
    score->block = static_cast<uint8_t*>(block);
    uint32_t k = 0;
    for (int m = 1; m <= measures; ++m)
        for (int s = 1; s <= staves; ++s)
            for (int layer = 0; layer < 4; ++layer) {
                uint8_t* frame = FrameAt(*score, s, m, layer);
                uint8_t* entries = frame + kFrameHeaderSize + 4;
                StoreU32(frame + kFrameEntriesOffset, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(entries)));
                StoreU16(frame + kFrameEntryCountOffset, static_cast<uint16_t>(entriesPerFrame));
                for (int e = 0; e < entriesPerFrame; ++e, ++k) {
                    uint8_t* entry = entries + size_t(e) * kEntrySize;
                    StoreU16(entry + kEntryNoteCountOffset, static_cast<uint16_t>(1 + k % 5));
                    StoreU32(entry + kEntryPositionOffset, static_cast<uint32_t>(e * 512));
                    score->notes += 1 + k % 5;
                }
            }
    gScore = score;
    return *score;
}

uint8_t* FrameAt(const InPlaceScore& score, int staff, int measure, int layer) {
    const size_t index = (size_t(measure - 1) * size_t(score.staves) + size_t(staff - 1)) * 4 + size_t(layer);
    return score.block + index * score.frameStride;
}

void ServeWalk(const InPlaceScore& score, bool reuseFrames) {
    gScore = &score;
    gReuseFrames = reuseFrames;
    testsupport::BeginRun({.startMassEdit = StartMassEdit,
                           .massEditProgress = MassEditProgress,
                           .endMassEdit = EndMassEdit,
                           .getShowLayer = GetShowLayer,
                           .loadTGF = LoadTGF,
                           .saveTGF = SaveTGF,
                           .freeTGF = FreeTGF});
}

ERegion Region(int startMeasure, int startStaff, int endMeasure, int endStaff) {
    ERegion region{};
    StoreU16(region.bytes + kRegionStartStaffOffset, static_cast<uint16_t>(startStaff));
    StoreU16(region.bytes + kRegionStartMeasureOffset, static_cast<uint16_t>(startMeasure));
    StoreU32(region.bytes + kRegionStartPositionOffset, 0);
    StoreU16(region.bytes + kRegionEndStaffOffset, static_cast<uint16_t>(endStaff));
    StoreU16(region.bytes + kRegionEndMeasureOffset, static_cast<uint16_t>(endMeasure));
    StoreU32(region.bytes + kRegionEndPositionOffset, 0x7FFFFFFF);
    return region;
}

}  // namespace bench
