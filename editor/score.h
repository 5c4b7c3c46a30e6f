#pragma once
// The stand-in editor's score: staves x measures x 4 layers of frames, each frame its
// header and its entries, byte for byte as the editor lays them out.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/record_layout.h"

namespace standin {

using EntryBytes = std::array<uint8_t, kEntryBytes>;

struct Frame {
    std::array<uint8_t, kFrameHeaderBytes> header{};
    std::vector<EntryBytes> entries;
};

// Staves and measures are numbered from 1, as the editor numbers them.
struct Score {
    int staves = 0;
    int measures = 0;
    std::vector<Frame> frames;

    bool Contains(int staff, int measure, int layer) const;
    Frame& At(int staff, int measure, int layer);
    const Frame& At(int staff, int measure, int layer) const;
};

Score MakeScore(int staves, int measures);

// An entry with the given fields; every other byte is filler derived from `seed`, so that
// a stray write anywhere in the entry shows.
EntryBytes MakeEntry(int32_t position, uint16_t flags, const std::vector<uint32_t>& noteFlags, uint32_t seed = 0);
void SetEntries(Frame& frame, std::vector<EntryBytes> entries);

uint16_t EntryFlags(const EntryBytes& entry);
int16_t EntryNoteCount(const EntryBytes& entry);
void SetEntryNoteCount(EntryBytes& entry, int16_t count);
int32_t EntryPosition(const EntryBytes& entry);
uint32_t NoteFlags(const EntryBytes& entry, int note);
int16_t FrameEntryCount(const Frame& frame);
void SetFrameEntryCount(Frame& frame, int16_t count);

// A small score with chords, rests and flags already set in places, in all four layers.
Score SampleScore();

}  // namespace standin
