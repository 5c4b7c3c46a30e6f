// The walk per command over a large score, beside the limit: a loop that sets or clears
// the same bits in the same frames with no editor calls. And the walk's cost per cell as
// the region grows.

#include <benchmark/benchmark.h>

#include "extension/entry_points.h"
#include "in_place_editor.h"

namespace {

using namespace regionflags::host;

constexpr int kStaves = 20;
constexpr int kMeasures = 2000;
constexpr int kEntriesPerFrame = 8;

bench::InPlaceScore& Score() {
    static bench::InPlaceScore& score = bench::BuildScore(kStaves, 5000, kEntriesPerFrame);
    return score;
}

uint64_t NotesIn(const bench::InPlaceScore& score, int measures, int staves) {
    uint64_t notes = 0;
    for (int m = 1; m <= measures; ++m)
        for (int s = 1; s <= staves; ++s)
            for (int layer = 0; layer < 4; ++layer) {
                uint8_t* frame = bench::FrameAt(score, s, m, layer);
                TGF& tgf = *reinterpret_cast<TGF*>(frame);
                for (int e = 0; e < FrameEntryCount(tgf); ++e) notes += uint64_t(EntryNoteCount(FrameEntries(tgf)[e]));
            }
    return notes;
}

uint64_t NotesInCell(const bench::InPlaceScore& score, int staff, int measure) {
    uint64_t notes = 0;
    for (int layer = 0; layer < 4; ++layer) {
        TGF& tgf = *reinterpret_cast<TGF*>(bench::FrameAt(score, staff, measure, layer));
        for (int e = 0; e < FrameEntryCount(tgf); ++e) notes += uint64_t(EntryNoteCount(FrameEntries(tgf)[e]));
    }
    return notes;
}

void Report(benchmark::State& state, uint64_t cells, uint64_t notes) {
    state.counters["ns_per_note"] =
        benchmark::Counter(double(notes), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["ns_per_cell"] =
        benchmark::Counter(double(cells), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Walk(benchmark::State& state) {
    const auto command = static_cast<int16_t>(state.range(0));
    bench::InPlaceScore& score = Score();
    bench::ServeWalk(score);
    const ERegion region = bench::Region(1, 1, kMeasures, kStaves);
    bench::EditorCalls().calls = 0;
    for (auto _ : state) benchmark::DoNotOptimize(QuorlaExtensionInvoke(0, command, &region, 0));
    state.counters["editor_calls"] = double(bench::EditorCalls().calls) / double(state.iterations());
    Report(state, uint64_t(kMeasures) * kStaves, NotesIn(score, kMeasures, kStaves));
}

// The limit: the same bits in the same frames, straight, with the command fixed at compile
// time and the frames taken one after another as they lie in memory.
template <bool Set, bool Spacing>
void SetBits(const bench::InPlaceScore& score, size_t cells = size_t(kMeasures) * kStaves) {
    constexpr uint32_t noteBit = Spacing ? kNoteNoSpacing : kNoteNoPlayback;
    const size_t frames = cells * 4;  // the first cells of the score lie first in memory
    uint8_t* frame = score.block;
    for (size_t f = 0; f < frames; ++f, frame += score.frameStride) {
        TGF& tgf = *reinterpret_cast<TGF*>(frame);
        TgfEntry* entries = FrameEntries(tgf);
        const int16_t count = FrameEntryCount(tgf);
        for (int16_t e = 0; e < count; ++e) {
            TgfEntry& entry = entries[e];
            if constexpr (Spacing) {
                const uint16_t flags = EntryFlags(entry);
                SetEntryFlags(entry, Set ? flags | kEntryNoSpacing : flags & ~kEntryNoSpacing);
            }
            TgfNote* notes = EntryNotes(entry);
            const int16_t noteCount = EntryNoteCount(entry);
            for (int16_t n = 0; n < noteCount; ++n) {
                const uint32_t flags = NoteFlags(notes[n]);
                SetNoteFlags(notes[n], Set ? flags | noteBit : flags & ~noteBit);
            }
        }
    }
}

void Limit(benchmark::State& state) {
    const auto command = state.range(0);
    bench::InPlaceScore& score = Score();
    for (auto _ : state) {
        switch (command) {
            case 0: SetBits<true, true>(score); break;
            case 1: SetBits<false, true>(score); break;
            case 2: SetBits<true, false>(score); break;
            default: SetBits<false, false>(score); break;
        }
        benchmark::ClobberMemory();
    }
    Report(state, uint64_t(kMeasures) * kStaves, NotesIn(score, kMeasures, kStaves));
}

// Cost per cell for regions of 10, 1,000 and 100,000 cells.
void WalkCells(benchmark::State& state) {
    const auto cells = state.range(0);
    const int staves = cells < kStaves ? int(cells) : kStaves;
    const int measures = int(cells / staves);
    bench::InPlaceScore& score = Score();
    bench::ServeWalk(score);
    const ERegion region = bench::Region(1, 1, measures, staves);
    for (auto _ : state) benchmark::DoNotOptimize(QuorlaExtensionInvoke(0, 2, &region, 0));
    Report(state, uint64_t(measures) * uint64_t(staves), NotesIn(score, measures, staves));
}

// The same regions with every cell served from a few frames that stay in the caches: the
// walk's own cost per cell, without the memory's.
void WalkCellsCached(benchmark::State& state) {
    const auto cells = state.range(0);
    const int staves = cells < kStaves ? int(cells) : kStaves;
    const int measures = int(cells / staves);
    bench::InPlaceScore& score = Score();
    bench::ServeWalk(score, true);
    const ERegion region = bench::Region(1, 1, measures, staves);
    for (auto _ : state) benchmark::DoNotOptimize(QuorlaExtensionInvoke(0, 2, &region, 0));
    // Every frame of a cached cell holds what a frame of the first 8 x 8 cells holds.
    uint64_t notes = 0;
    for (int m = 1; m <= measures; ++m)
        for (int s = 1; s <= staves; ++s) notes += NotesInCell(score, 1 + (s - 1) % 8, 1 + (m - 1) % 8);
    Report(state, uint64_t(measures) * uint64_t(staves), notes);
}

// The limit for the same regions.
void LimitCells(benchmark::State& state) {
    const auto cells = state.range(0);
    const int staves = cells < kStaves ? int(cells) : kStaves;
    const int measures = int(cells / staves);
    bench::InPlaceScore& score = Score();
    for (auto _ : state) {
        SetBits<true, false>(score, size_t(cells));
        benchmark::ClobberMemory();
    }
    Report(state, uint64_t(measures) * uint64_t(staves), NotesIn(score, measures, staves));
}

BENCHMARK(Walk)->DenseRange(0, 3)->ArgName("command")->Unit(benchmark::kMillisecond);
BENCHMARK(Limit)->DenseRange(0, 3)->ArgName("command")->Unit(benchmark::kMillisecond);
BENCHMARK(WalkCells)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->ArgName("cells")->Unit(benchmark::kMicrosecond);
BENCHMARK(WalkCellsCached)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->ArgName("cells")->Unit(benchmark::kMicrosecond);
BENCHMARK(LimitCells)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->ArgName("cells")->Unit(benchmark::kMicrosecond);

}  // namespace
