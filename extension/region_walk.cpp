#include "extension/region_walk.h"

#include "extension/flag_actions.h"
#include "host/binding.h"
#include "host/service_wrappers.h"

namespace regionflags::extension {
namespace {

using namespace regionflags::host;

constexpr int16_t kLayerCount = 4;
constexpr int16_t kProgressKind = 4;
constexpr int16_t kProgressUnused = -1;
constexpr int16_t kLoadWholeFrame = 1;
constexpr int16_t kEditFinished = 0;
constexpr int16_t kEditAbandoned = 1;

// Which entry positions of the current measure lie inside the region.
struct PositionWindow {
    bool limitStart;
    int32_t start;
    bool limitEnd;
    int32_t end;
};

bool InWindow(const PositionWindow& window, int32_t position) {
    if (window.limitStart && position < window.start) return false;
    if (window.limitEnd && position >= window.end) return false;
    return true;
}

template <typename Word>
Word Applied(Word flags, Word bit, bool set) {
    return set ? static_cast<Word>(flags | bit) : static_cast<Word>(flags & ~bit);
}

int16_t ClampedNoteCount(const TgfEntry& entry) {
    const int16_t count = EntryNoteCount(entry);
    if (count < 0) return 0;
    return count > kEntryNoteSlots ? kEntryNoteSlots : count;
}

// Returns whether an entry or note was visited, which is what decides the store.
bool ApplyToEntry(TgfEntry& entry, const FlagAction& action) {
    bool touched = false;
    if (action.entryBit != 0) {
        SetEntryFlags(entry, Applied(EntryFlags(entry), action.entryBit, action.set));
        touched = true;
    }
    TgfNote* notes = EntryNotes(entry);
    const int16_t noteCount = ClampedNoteCount(entry);
    for (int16_t n = 0; n < noteCount; ++n) {
        SetNoteFlags(notes[n], Applied(NoteFlags(notes[n]), action.noteBit, action.set));
        touched = true;
    }
    return touched;
}

bool ApplyToFrame(TGF& frame, const PositionWindow& window, const FlagAction& action) {
    bool touched = false;
    TgfEntry* entries = FrameEntries(frame);
    const int16_t entryCount = FrameEntryCount(frame);
    for (int16_t k = 0; k < entryCount; ++k) {
        if (!InWindow(window, EntryPosition(entries[k]))) continue;
        touched = ApplyToEntry(entries[k], action) || touched;
    }
    return touched;
}

void WalkCell(const ERegion& region, int16_t staff, int16_t measure, const PositionWindow& window,
              const FlagAction& action) {
    for (int16_t layer = 0; layer < kLayerCount; ++layer) {
        if (QL_GetShowLayer(layer, kHostCallVersion) == 0) continue;
        void* frame = QL_LoadTGF(RegionStartRef(region), staff, measure, layer, kLoadWholeFrame, kHostCallVersion);
        if (frame == nullptr) continue;
        if (ApplyToFrame(*static_cast<TGF*>(frame), window, action)) QL_SaveTGF(frame, kHostCallVersion);
        QL_FreeTGF(frame, kHostCallVersion);
    }
}

bool WalkServicesPresent() {
    return HostServicePresent(kStartMassEditSlot) && HostServicePresent(kMassEditProgressSlot) &&
           HostServicePresent(kEndMassEditSlot) && HostServicePresent(kGetShowLayerSlot) &&
           HostServicePresent(kLoadTGFSlot) && HostServicePresent(kSaveTGFSlot) &&
           HostServicePresent(kFreeTGFSlot);
}

}  // namespace

int16_t RunRegionFlagWalk(int16_t commandIndex, const ERegion* region) {
    if (commandIndex < 0 || commandIndex >= kCommandCount || region == nullptr) return 0;
    if (!WalkServicesPresent()) return 0;
    const FlagAction& action = FlagActions[commandIndex];

    // Counters wider than the 16-bit bounds, so that a region ending at 32767 ends.
    const int32_t startMeasure = RegionStartMeasure(*region);
    const int32_t endMeasure = RegionEndMeasure(*region);
    const int32_t startStaff = RegionStartStaff(*region);
    const int32_t endStaff = RegionEndStaff(*region);

    const MassEditHandle edit = QL_StartMassEdit(region, 0, kHostCallVersion);
    for (int32_t measure = startMeasure; measure <= endMeasure; ++measure) {
        const PositionWindow window{measure == startMeasure, RegionStartPosition(*region), measure == endMeasure,
                                    RegionEndPosition(*region)};
        for (int32_t staff = startStaff; staff <= endStaff; ++staff) {
            const auto s = static_cast<int16_t>(staff);
            const auto m = static_cast<int16_t>(measure);
            if (QL_MassEditProgress(edit, kProgressKind, s, m, kProgressUnused, kHostCallVersion) == 0) {
                QL_EndMassEdit(edit, kEditAbandoned, kHostCallVersion);
                return 0;
            }
            WalkCell(*region, s, m, window, action);
        }
    }
    QL_EndMassEdit(edit, kEditFinished, kHostCallVersion);
    return 1;
}

}  // namespace regionflags::extension
