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

// The limit: the same bits in the same frames, straight.
void Limit(benchmark::State& state) {
    const auto command = static_cast<int16_t>(state.range(0));
    const bool set = command == 0 || command == 2;
    const uint16_t entryBit = command <= 1 ? kEntryNoSpacing : 0;
    const uint32_t noteBit = command <= 1 ? kNoteNoSpacing : kNoteNoPlayback;
    bench::InPlaceScore& score = Score();
    for (auto _ : state) {
        for (int m = 1; m <= kMeasures; ++m)
            for (int s = 1; s <= kStaves; ++s)
                for (int layer = 0; layer < 4; ++layer) {
                    TGF& frame = *reinterpret_cast<TGF*>(bench::FrameAt(score, s, m, layer));
                    TgfEntry* entries = FrameEntries(frame);
                    for (int16_t e = 0; e < FrameEntryCount(frame); ++e) {
                        TgfEntry& entry = entries[e];
                        if (entryBit != 0)
                            SetEntryFlags(entry, set ? EntryFlags(entry) | entryBit : EntryFlags(entry) & ~entryBit);
                        TgfNote* notes = EntryNotes(entry);
                        for (int16_t n = 0; n < EntryNoteCount(entry); ++n)
                            SetNoteFlags(notes[n], set ? NoteFlags(notes[n]) | noteBit : NoteFlags(notes[n]) & ~noteBit);
                    }
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

BENCHMARK(Walk)->DenseRange(0, 3)->ArgName("command")->Unit(benchmark::kMillisecond);
BENCHMARK(Limit)->DenseRange(0, 3)->ArgName("command")->Unit(benchmark::kMillisecond);
BENCHMARK(WalkCells)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->ArgName("cells")->Unit(benchmark::kMicrosecond);

}  // namespace
