// The region flag walk against an editor whose every answer and record the input decides:
// region bounds (reversed, ending at 32767), command index (also invalid ones), shown
// layers, which progress call cancels, missing services, frames that do not load, and the
// frames themselves (entry counts down to negative, note counts beyond 12 and negative,
// any positions and flags). After every run the harness checks the whole call sequence
// against the walk's rules and every lent frame byte for byte.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "extension/entry_points.h"
#include "support/export_table_platform.h"
#include "low_arena.h"
#include "host/records.h"
#include "host/services.h"

namespace {

using namespace regionflags::host;

constexpr int kMostProgressCalls = 256;  // the editor cancels here, so vast regions end quickly
constexpr int kMostEntries = 24;

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "walk fuzzer: %s\n", what);
    std::abort();
}
void Require(bool holds, const char* what) {
    if (!holds) Fault(what);
}

enum class Kind { kStart, kProgress, kEnd, kShowLayer, kLoad, kSave, kFree };

struct Call {
    Kind kind;
    int64_t a = 0, b = 0, c = 0, d = 0, e = 0;  // the arguments, widened
    uint32_t version = 0;
    int64_t answer = 0;
    const void* pointer = nullptr;
};

struct LentFrame {
    uint8_t* header;
    uint8_t* entries;
    size_t entryBytes;
    std::vector<uint8_t> expectedHeader, expectedEntries;
    bool expectTouched;
    int saves = 0;
    bool released = false;
};

struct Run {
    FuzzedDataProvider* input;
    int16_t command;
    ERegion region;
    uint32_t handle;
    bool shown[4];
    int cancelAt;
    int nullFrameChance;
    std::vector<Call> calls;
    std::map<const void*, LentFrame> frames;
    int progressCalls = 0;
};
Run* gRun = nullptr;

uint16_t RandomNoteCount(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0: return static_cast<uint16_t>(13);
        case 1: return static_cast<uint16_t>(-1);
        case 2: return in.ConsumeIntegral<uint16_t>();
        default: return in.ConsumeIntegralInRange<uint16_t>(0, 12);
    }
}

int32_t RandomPosition(FuzzedDataProvider& in, const ERegion& region) {
    switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0: return RegionStartPosition(region) + in.ConsumeIntegralInRange(-1, 1);
        case 1: return RegionEndPosition(region) + in.ConsumeIntegralInRange(-1, 1);
        case 2: return in.ConsumeIntegral<int32_t>();
        default: return in.ConsumeIntegralInRange(0, 4096);
    }
}

// The frame as the walk must leave it: the command's bits set or cleared in every entry in
// range and in its first notes (at most 12), nothing else.
void ApplyRules(LentFrame& frame, int16_t command, int32_t measure, int16_t entryCount) {
    frame.expectTouched = false;
    const bool set = command == 0 || command == 2;
    const bool spacing = command <= 1;
    for (int16_t k = 0; k < entryCount; ++k) {
        uint8_t* entry = frame.expectedEntries.data() + size_t(k) * kEntrySize;
        const int32_t position = LoadI32(entry + kEntryPositionOffset);
        if (measure == RegionStartMeasure(gRun->region) && position < RegionStartPosition(gRun->region)) continue;
        if (measure == RegionEndMeasure(gRun->region) && position >= RegionEndPosition(gRun->region)) continue;
        if (spacing) {
            const uint16_t flags = LoadU16(entry + kEntryFlagsOffset);
            StoreU16(entry + kEntryFlagsOffset, set ? flags | kEntryNoSpacing : flags & ~kEntryNoSpacing);
            frame.expectTouched = true;
        }
        const int16_t notes = std::min<int16_t>(std::max<int16_t>(LoadI16(entry + kEntryNoteCountOffset), 0), 12);
        const uint32_t bit = spacing ? kNoteNoSpacing : kNoteNoPlayback;
        for (int16_t n = 0; n < notes; ++n) {
            uint8_t* flags = entry + kEntryNotesOffset + size_t(n) * kNoteSize + kNoteFlagsOffset;
            StoreU32(flags, set ? LoadU32(flags) | bit : LoadU32(flags) & ~bit);
            frame.expectTouched = true;
        }
    }
}

void* MakeFrame(int32_t measure) {
    FuzzedDataProvider& in = *gRun->input;
    const bool negative = in.ConsumeIntegralInRange(0, 15) == 0;
    const int16_t real = in.ConsumeIntegralInRange<int16_t>(0, kMostEntries);
    const int16_t entryCount = negative ? in.ConsumeIntegralInRange<int16_t>(-32768, -1) : real;
    LentFrame frame;
    frame.entryBytes = size_t(real) * kEntrySize;
    frame.header = fuzzsupport::LendFromArena(kFrameHeaderSize);
    frame.entries = fuzzsupport::LendFromArena(frame.entryBytes == 0 ? 1 : frame.entryBytes);
    if (frame.header == nullptr || frame.entries == nullptr) return nullptr;
    for (uint32_t k = 0; k < kFrameHeaderSize; ++k) frame.header[k] = in.ConsumeIntegral<uint8_t>();
    StoreU32(frame.header + kFrameEntriesOffset, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(frame.entries)));
    StoreU16(frame.header + kFrameEntryCountOffset, static_cast<uint16_t>(entryCount));
    for (int16_t k = 0; k < real; ++k) {
        uint8_t* entry = frame.entries + size_t(k) * kEntrySize;
        for (uint32_t b = 0; b < kEntrySize; ++b) entry[b] = in.ConsumeIntegral<uint8_t>();
        StoreU16(entry + kEntryNoteCountOffset, RandomNoteCount(in));
        StoreU32(entry + kEntryPositionOffset, static_cast<uint32_t>(RandomPosition(in, gRun->region)));
    }
    frame.expectedHeader.assign(frame.header, frame.header + kFrameHeaderSize);
    frame.expectedEntries.assign(frame.entries, frame.entries + frame.entryBytes);
    ApplyRules(frame, gRun->command, measure, entryCount);
    void* key = frame.header;
    gRun->frames.emplace(key, std::move(frame));
    return key;
}

void CheckFrameAsExpected(const LentFrame& frame) {
    Require(std::memcmp(frame.header, frame.expectedHeader.data(), kFrameHeaderSize) == 0, "a frame header changed");
    Require(frame.entryBytes == 0 || std::memcmp(frame.entries, frame.expectedEntries.data(), frame.entryBytes) == 0,
            "a frame's entries differ from what the command's rules give");
}

LentFrame& Lent(void* frame, const char* what) {
    const auto found = gRun->frames.find(frame);
    if (found == gRun->frames.end() || found->second.released) Fault(what);
    return found->second;
}

extern "C" {
MassEditHandle QL_CALL StartMassEdit(const void* region, uint32_t zero, uint32_t version) {
    gRun->calls.push_back({Kind::kStart, zero, 0, 0, 0, 0, version, gRun->handle, region});
    return gRun->handle;
}
int16_t QL_CALL MassEditProgress(MassEditHandle h, int16_t four, int16_t staff, int16_t measure, int16_t minusOne,
                                 uint32_t version) {
    const int call = ++gRun->progressCalls;
    const int16_t answer = (call == gRun->cancelAt || call >= kMostProgressCalls) ? 0 : 1;
    gRun->calls.push_back({Kind::kProgress, h, four, staff, measure, minusOne, version, answer});
    return answer;
}
int16_t QL_CALL EndMassEdit(MassEditHandle h, int16_t abandoned, uint32_t version) {
    gRun->calls.push_back({Kind::kEnd, h, abandoned, 0, 0, 0, version});
    return 1;
}
int16_t QL_CALL GetShowLayer(int16_t layer, uint32_t version) {
    const int16_t answer = layer >= 0 && layer < 4 && gRun->shown[layer] ? 1 : 0;
    gRun->calls.push_back({Kind::kShowLayer, layer, 0, 0, 0, 0, version, answer});
    return answer;
}
void* QL_CALL LoadTGF(uint16_t startRef, int16_t staff, int16_t measure, int16_t layer, int16_t one,
                      uint32_t version) {
    const bool refuse = gRun->input->ConsumeIntegralInRange(0, 255) < gRun->nullFrameChance;
    void* frame = refuse ? nullptr : MakeFrame(measure);
    gRun->calls.push_back({Kind::kLoad, startRef, staff, measure, layer, one, version, 0, frame});
    return frame;
}
int16_t QL_CALL SaveTGF(void* frame, uint32_t version) {
    gRun->calls.push_back({Kind::kSave, 0, 0, 0, 0, 0, version, 0, frame});
    LentFrame& lent = Lent(frame, "QL_SaveTGF of a frame that is not lent");
    CheckFrameAsExpected(lent);
    ++lent.saves;
    return 1;
}
int16_t QL_CALL FreeTGF(void* frame, uint32_t version) {
    gRun->calls.push_back({Kind::kFree, 0, 0, 0, 0, 0, version, 0, frame});
    LentFrame& lent = Lent(frame, "QL_FreeTGF of a frame that is not lent");
    CheckFrameAsExpected(lent);
    lent.released = true;
    fuzzsupport::ReturnToArena(lent.header, kFrameHeaderSize);
    fuzzsupport::ReturnToArena(lent.entries, lent.entryBytes == 0 ? 1 : lent.entryBytes);
    return 1;
}
}

struct Cursor {
    const std::vector<Call>& calls;
    size_t next = 0;
    const Call& Take(Kind kind, const char* what) {
        Require(next < calls.size() && calls[next].kind == kind, what);
        Require(calls[next].version == kHostCallVersion, "a service called without the version word");
        return calls[next++];
    }
};

// Replays the walk's rules over the recorded calls; returns whether it was cancelled.
bool CheckWalk(Cursor& cursor) {
    const Run& run = *gRun;
    const ERegion& r = run.region;
    const Call& start = cursor.Take(Kind::kStart, "the walk does not open with QL_StartMassEdit");
    Require(start.pointer == &run.region && start.a == 0, "QL_StartMassEdit without the region and 0");
    for (int32_t m = RegionStartMeasure(r); m <= RegionEndMeasure(r); ++m) {
        for (int32_t s = RegionStartStaff(r); s <= RegionEndStaff(r); ++s) {
            const Call& progress = cursor.Take(Kind::kProgress, "a cell without its progress call");
            Require(progress.a == run.handle && progress.b == 4 && progress.c == int16_t(s) && progress.d == int16_t(m) &&
                        progress.e == -1,
                    "a progress call with the wrong handle, cell or constants");
            if (progress.answer == 0) {
                const Call& end = cursor.Take(Kind::kEnd, "a cancel not followed by QL_EndMassEdit");
                Require(end.a == run.handle && end.b == 1, "a cancelled edit not closed with 1");
                return true;
            }
            for (int16_t layer = 0; layer < 4; ++layer) {
                const Call& show = cursor.Take(Kind::kShowLayer, "a layer not asked about");
                Require(show.a == layer, "layers asked out of order");
                if (show.answer == 0) continue;
                const Call& load = cursor.Take(Kind::kLoad, "a shown layer not loaded");
                Require(load.a == RegionStartRef(r) && load.b == int16_t(s) && load.c == int16_t(m) && load.d == layer &&
                            load.e == 1,
                        "QL_LoadTGF with the wrong arguments");
                if (load.pointer == nullptr) continue;
                const LentFrame& frame = run.frames.at(load.pointer);
                if (frame.expectTouched) {
                    const Call& save = cursor.Take(Kind::kSave, "a touched frame not stored");
                    Require(save.pointer == load.pointer, "a different frame stored");
                }
                const Call& release = cursor.Take(Kind::kFree, "a frame not released before the next layer");
                Require(release.pointer == load.pointer, "a different frame released");
            }
        }
    }
    const Call& end = cursor.Take(Kind::kEnd, "the walk does not close with QL_EndMassEdit");
    Require(end.a == run.handle && end.b == 0, "a finished edit not closed with 0");
    return false;
}

int16_t Bound(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0: return 32767;
        case 1: return -32768;
        case 2: return in.ConsumeIntegral<int16_t>();
        default: return in.ConsumeIntegralInRange<int16_t>(0, 5);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    Run run{};
    run.input = &in;
    gRun = &run;
    run.command = in.ConsumeBool() ? in.ConsumeIntegral<int16_t>() : in.ConsumeIntegralInRange<int16_t>(0, 3);
    StoreU16(run.region.bytes + kRegionStartRefOffset, in.ConsumeIntegral<uint16_t>());
    StoreU16(run.region.bytes + kRegionStartStaffOffset, static_cast<uint16_t>(Bound(in)));
    StoreU16(run.region.bytes + kRegionStartMeasureOffset, static_cast<uint16_t>(Bound(in)));
    StoreU16(run.region.bytes + kRegionEndStaffOffset, static_cast<uint16_t>(Bound(in)));
    StoreU16(run.region.bytes + kRegionEndMeasureOffset, static_cast<uint16_t>(Bound(in)));
    StoreU32(run.region.bytes + kRegionStartPositionOffset, static_cast<uint32_t>(in.ConsumeIntegralInRange(-8, 4096)));
    StoreU32(run.region.bytes + kRegionEndPositionOffset, static_cast<uint32_t>(in.ConsumeIntegralInRange(-8, 4096)));
    const uint8_t layers = in.ConsumeIntegral<uint8_t>();
    for (int k = 0; k < 4; ++k) run.shown[k] = (layers >> k & 1) != 0;
    run.cancelAt = in.ConsumeIntegralInRange(0, 40);
    run.handle = in.ConsumeIntegral<uint32_t>();
    run.nullFrameChance = in.ConsumeIntegralInRange(0, 3) == 0 ? in.ConsumeIntegral<uint8_t>() : 0;
    const uint16_t missing = in.ConsumeIntegralInRange(0, 7) == 0 ? in.ConsumeIntegral<uint8_t>() & 0x7F : 0;

    auto unless = [missing](int bit, auto service) { return (missing >> bit & 1) != 0 ? nullptr : service; };
    testsupport::BeginRun({.startMassEdit = unless(0, StartMassEdit),
                           .massEditProgress = unless(1, MassEditProgress),
                           .endMassEdit = unless(2, EndMassEdit),
                           .getShowLayer = unless(3, GetShowLayer),
                           .loadTGF = unless(4, LoadTGF),
                           .saveTGF = unless(5, SaveTGF),
                           .freeTGF = unless(6, FreeTGF)});
    fuzzsupport::ResetArena();

    const int16_t result = QuorlaExtensionInvoke(0, run.command, &run.region, 0);

    if (run.command < 0 || run.command > 3 || missing != 0) {
        Require(run.calls.empty(), "an editor call for an unknown command or a lacking editor");
        Require(result == 0, "an unknown command or a lacking editor not refused");
    } else {
        Cursor cursor{run.calls};
        const bool cancelled = CheckWalk(cursor);
        Require(cursor.next == run.calls.size(), "calls after the mass edit was closed");
        Require(result == (cancelled ? 0 : 1), "the result does not say whether the walk was cancelled");
    }
    for (const auto& [key, frame] : run.frames) {
        Require(frame.released, "a frame never released");
        Require(frame.saves <= 1, "a frame stored twice");
    }
    gRun = nullptr;
    return 0;
}
