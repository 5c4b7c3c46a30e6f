#include "editor/score.h"

#include <stdexcept>

namespace standin {
namespace {

size_t FrameIndex(const Score& score, int staff, int measure, int layer) {
    return (static_cast<size_t>(measure - 1) * score.staves + static_cast<size_t>(staff - 1)) * kLayers +
           static_cast<size_t>(layer);
}

uint8_t Filler(uint32_t seed, size_t offset) {
    uint32_t x = seed * 2654435761u + static_cast<uint32_t>(offset) * 40503u + 0x9E37u;
    x ^= x >> 13;
    return static_cast<uint8_t>(x * 0x5bd1e995u >> 24);
}

}  // namespace

bool Score::Contains(int staff, int measure, int layer) const {
    return staff >= 1 && staff <= staves && measure >= 1 && measure <= measures && layer >= 0 && layer < kLayers;
}

Frame& Score::At(int staff, int measure, int layer) {
    if (!Contains(staff, measure, layer)) throw std::out_of_range("no such frame in the score");
    return frames[FrameIndex(*this, staff, measure, layer)];
}

const Frame& Score::At(int staff, int measure, int layer) const {
    return const_cast<Score&>(*this).At(staff, measure, layer);
}

Score MakeScore(int staves, int measures) {
    Score score;
    score.staves = staves;
    score.measures = measures;
    score.frames.resize(static_cast<size_t>(staves) * measures * kLayers);
    uint32_t seed = 1;
    for (Frame& frame : score.frames) {
        for (size_t k = 0; k < kFrameHeaderBytes; ++k) frame.header[k] = Filler(seed, k);
        ++seed;
        WriteLE(frame.header.data() + kFrameEntriesField, 4, 0);
        SetFrameEntryCount(frame, 0);
    }
    return score;
}

EntryBytes MakeEntry(int32_t position, uint16_t flags, const std::vector<uint32_t>& noteFlags, uint32_t seed) {
    if (noteFlags.size() > kNoteSlots) throw std::invalid_argument("an entry holds at most 12 notes");
    EntryBytes entry;
    for (size_t k = 0; k < kEntryBytes; ++k) entry[k] = Filler(seed + 7, k);
    WriteLE(entry.data() + kEntryFlagsField, 2, flags);
    WriteLE(entry.data() + kEntryNoteCountField, 2, static_cast<uint32_t>(noteFlags.size()));
    WriteLE(entry.data() + kEntryPositionField, 4, static_cast<uint32_t>(position));
    for (size_t n = 0; n < noteFlags.size(); ++n)
        WriteLE(entry.data() + kEntryFirstNote + n * kNoteBytes + kNoteFlagsField, 4, noteFlags[n]);
    return entry;
}

void SetEntries(Frame& frame, std::vector<EntryBytes> entries) {
    frame.entries = std::move(entries);
    SetFrameEntryCount(frame, static_cast<int16_t>(frame.entries.size()));
}

uint16_t EntryFlags(const EntryBytes& entry) {
    return static_cast<uint16_t>(ReadLE(entry.data() + kEntryFlagsField, 2));
}
int16_t EntryNoteCount(const EntryBytes& entry) {
    return static_cast<int16_t>(ReadLE(entry.data() + kEntryNoteCountField, 2));
}
void SetEntryNoteCount(EntryBytes& entry, int16_t count) {
    WriteLE(entry.data() + kEntryNoteCountField, 2, static_cast<uint16_t>(count));
}
int32_t EntryPosition(const EntryBytes& entry) {
    return static_cast<int32_t>(ReadLE(entry.data() + kEntryPositionField, 4));
}
uint32_t NoteFlags(const EntryBytes& entry, int note) {
    return ReadLE(entry.data() + kEntryFirstNote + static_cast<size_t>(note) * kNoteBytes + kNoteFlagsField, 4);
}
int16_t FrameEntryCount(const Frame& frame) {
    return static_cast<int16_t>(ReadLE(frame.header.data() + kFrameEntryCountField, 2));
}
void SetFrameEntryCount(Frame& frame, int16_t count) {
    WriteLE(frame.header.data() + kFrameEntryCountField, 2, static_cast<uint16_t>(count));
}

Score SampleScore() {
    // Two staves, four measures of 1024 units each. Other flag bits are set throughout so
    // that a command touching more than its own bit would show.
    constexpr uint16_t kOtherEntryBits = 0x0105;
    constexpr uint32_t kOtherNoteBits = 0x00010040;
    Score score = MakeScore(2, 4);
    uint32_t seed = 100;
    for (int measure = 1; measure <= score.measures; ++measure) {
        for (int staff = 1; staff <= score.staves; ++staff) {
            SetEntries(score.At(staff, measure, 0),
                       {MakeEntry(0, kOtherEntryBits, {kOtherNoteBits}, seed++),
                        MakeEntry(256, kOtherEntryBits, {kOtherNoteBits, kOtherNoteBits | kNoteNoPlaybackBit}, seed++),
                        MakeEntry(512, kOtherEntryBits | kEntryNoSpacingBit, {}, seed++),
                        MakeEntry(768, kOtherEntryBits, {kOtherNoteBits, kNoteNoSpacingBit, 0}, seed++)});
            SetEntries(score.At(staff, measure, 1),
                       {MakeEntry(0, 0, {0, 0}, seed++), MakeEntry(512, 0, {kNoteNoPlaybackBit}, seed++)});
        }
    }
    return score;
}

}  // namespace standin
