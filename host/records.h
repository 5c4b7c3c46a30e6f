#pragma once
// The editor's records that the module touches: the selected region, a frame of entries,
// its entries and their notes. The editor owns every byte; the module reads a few fields
// and flips single flag bits, so each record is modelled as its raw bytes with accessors
// at fixed offsets.

#include <cstdint>

#include "host/little_endian.h"

namespace regionflags::host {

// ERegion: the bytes up to endPosition are the ones the module reads.
inline constexpr uint32_t kRegionStartRefOffset = 0;
inline constexpr uint32_t kRegionStartStaffOffset = 2;
inline constexpr uint32_t kRegionStartMeasureOffset = 4;
inline constexpr uint32_t kRegionStartPositionOffset = 6;
inline constexpr uint32_t kRegionEndStaffOffset = 12;
inline constexpr uint32_t kRegionEndMeasureOffset = 14;
inline constexpr uint32_t kRegionEndPositionOffset = 16;
inline constexpr uint32_t kRegionSize = 20;

// TGF: the frame header up to entryCount.
inline constexpr uint32_t kFrameEntriesOffset = 14;
inline constexpr uint32_t kFrameEntryCountOffset = 18;
inline constexpr uint32_t kFrameHeaderSize = 20;

// TgfEntry: fixed-size entries, one after another without gaps.
inline constexpr uint32_t kEntryFlagsOffset = 12;
inline constexpr uint32_t kEntryNoteCountOffset = 14;
inline constexpr uint32_t kEntryNotesOffset = 16;
inline constexpr uint32_t kEntryPositionOffset = 136;
inline constexpr uint32_t kEntrySize = 146;
inline constexpr int16_t kEntryNoteSlots = 12;

// TgfNote: held inside its entry.
inline constexpr uint32_t kNoteFlagsOffset = 6;
inline constexpr uint32_t kNoteSize = 10;

inline constexpr uint16_t kEntryNoSpacing = 0x0800;
inline constexpr uint32_t kNoteNoSpacing = 0x00200000;
inline constexpr uint32_t kNoteNoPlayback = 0x00400000;

static_assert(kRegionStartPositionOffset + 4 <= kRegionEndStaffOffset);
static_assert(kRegionEndPositionOffset + 4 == kRegionSize);
static_assert(kFrameEntriesOffset + 4 == kFrameEntryCountOffset);
static_assert(kFrameEntryCountOffset + 2 == kFrameHeaderSize);
static_assert(kEntryFlagsOffset + 2 == kEntryNoteCountOffset);
static_assert(kEntryNoteCountOffset + 2 == kEntryNotesOffset);
static_assert(kEntryNotesOffset + kEntryNoteSlots * kNoteSize == kEntryPositionOffset);
static_assert(kEntryPositionOffset + 4 <= kEntrySize);
static_assert(kNoteFlagsOffset + 4 == kNoteSize);

struct ERegion {
    uint8_t bytes[kRegionSize];
};
struct TGF {
    uint8_t bytes[kFrameHeaderSize];
};
struct TgfEntry {
    uint8_t bytes[kEntrySize];
};
struct TgfNote {
    uint8_t bytes[kNoteSize];
};

static_assert(sizeof(ERegion) == kRegionSize && alignof(ERegion) == 1);
static_assert(sizeof(TGF) == kFrameHeaderSize && alignof(TGF) == 1);
static_assert(sizeof(TgfEntry) == kEntrySize && alignof(TgfEntry) == 1);
static_assert(sizeof(TgfNote) == kNoteSize && alignof(TgfNote) == 1);

inline uint16_t RegionStartRef(const ERegion& r) { return LoadU16(r.bytes + kRegionStartRefOffset); }
inline int16_t RegionStartStaff(const ERegion& r) { return LoadI16(r.bytes + kRegionStartStaffOffset); }
inline int16_t RegionStartMeasure(const ERegion& r) { return LoadI16(r.bytes + kRegionStartMeasureOffset); }
inline int32_t RegionStartPosition(const ERegion& r) { return LoadI32(r.bytes + kRegionStartPositionOffset); }
inline int16_t RegionEndStaff(const ERegion& r) { return LoadI16(r.bytes + kRegionEndStaffOffset); }
inline int16_t RegionEndMeasure(const ERegion& r) { return LoadI16(r.bytes + kRegionEndMeasureOffset); }
inline int32_t RegionEndPosition(const ERegion& r) { return LoadI32(r.bytes + kRegionEndPositionOffset); }

// The editor keeps entries behind a 32-bit address. On the 32-bit target this is the
// identity; a 64-bit host must place entries below 4 GiB. This is the only place where
// that field becomes a pointer.
inline TgfEntry* EntriesAtAddress(uint32_t address) {
    return reinterpret_cast<TgfEntry*>(static_cast<uintptr_t>(address));  // NOLINT(performance-no-int-to-ptr)
}

inline TgfEntry* FrameEntries(TGF& f) { return EntriesAtAddress(LoadU32(f.bytes + kFrameEntriesOffset)); }
inline int16_t FrameEntryCount(const TGF& f) { return LoadI16(f.bytes + kFrameEntryCountOffset); }

inline uint16_t EntryFlags(const TgfEntry& e) { return LoadU16(e.bytes + kEntryFlagsOffset); }
inline void SetEntryFlags(TgfEntry& e, uint16_t flags) { StoreU16(e.bytes + kEntryFlagsOffset, flags); }
inline int16_t EntryNoteCount(const TgfEntry& e) { return LoadI16(e.bytes + kEntryNoteCountOffset); }
inline int32_t EntryPosition(const TgfEntry& e) { return LoadI32(e.bytes + kEntryPositionOffset); }
inline TgfNote* EntryNotes(TgfEntry& e) { return reinterpret_cast<TgfNote*>(e.bytes + kEntryNotesOffset); }

inline uint32_t NoteFlags(const TgfNote& n) { return LoadU32(n.bytes + kNoteFlagsOffset); }
inline void SetNoteFlags(TgfNote& n, uint32_t flags) { StoreU32(n.bytes + kNoteFlagsOffset, flags); }

}  // namespace regionflags::host
