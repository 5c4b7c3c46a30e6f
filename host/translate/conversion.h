#pragma once
// How a field of a preference record relates to its word or words of an "ot" record.

#include <cstdint>

namespace regionflags::host::translate {

enum Conversion : uint8_t {
    kConvCopy = 0,
    kConvSwapHalves = 1,  // 4-byte fields: the preference value is upper word x 65536 + lower word
    kConvInvert = 3,      // 2-byte fields: 1 for 0, 0 for anything else, both ways
    kConvLowByte = 4,     // 2-byte fields: the low byte, zero-extended on load, sign-extended on save
};

inline void SwapHalves(uint32_t& value) { value = value << 16 | value >> 16; }

// A 2-byte field as loaded from its word, and the word as saved from the field.
inline uint16_t LoadedField(uint16_t word, uint8_t conversion) {
    if (conversion == kConvInvert) return word == 0 ? 1 : 0;
    if (conversion == kConvLowByte) return word & 0x00FF;
    return word;
}

inline uint16_t SavedWord(uint16_t field, uint8_t conversion) {
    if (conversion == kConvInvert) return field == 0 ? 1 : 0;
    if (conversion == kConvLowByte) return static_cast<uint16_t>(static_cast<int16_t>(static_cast<int8_t>(field & 0xFF)));
    return field;
}

}  // namespace regionflags::host::translate
