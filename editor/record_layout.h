#pragma once
// The editor's own picture of its frame and region records, written independently of the
// module's accessors so that a wrong offset on one side shows up in the tests.

#include <cstddef>
#include <cstdint>

namespace standin {

inline constexpr size_t kRegionBytes = 20;
inline constexpr size_t kFrameHeaderBytes = 32;  // the editor's header is longer than the module reads
inline constexpr size_t kFrameEntriesField = 14;
inline constexpr size_t kFrameEntryCountField = 18;
inline constexpr size_t kEntryBytes = 146;
inline constexpr size_t kEntryFlagsField = 12;
inline constexpr size_t kEntryNoteCountField = 14;
inline constexpr size_t kEntryFirstNote = 16;
inline constexpr size_t kNoteBytes = 10;
inline constexpr size_t kNoteFlagsField = 6;
inline constexpr size_t kEntryPositionField = 136;
inline constexpr int kNoteSlots = 12;
inline constexpr int kLayers = 4;

inline constexpr uint16_t kEntryNoSpacingBit = 0x0800;
inline constexpr uint32_t kNoteNoSpacingBit = 0x00200000;
inline constexpr uint32_t kNoteNoPlaybackBit = 0x00400000;

inline uint32_t ReadLE(const uint8_t* p, size_t width) {
    uint32_t value = 0;
    for (size_t k = 0; k < width; ++k) value |= static_cast<uint32_t>(p[k]) << (8 * k);
    return value;
}

inline void WriteLE(uint8_t* p, size_t width, uint32_t value) {
    for (size_t k = 0; k < width; ++k) p[k] = static_cast<uint8_t>(value >> (8 * k));
}

}  // namespace standin
