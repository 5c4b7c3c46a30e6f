#pragma once
// The array map: preference records that are a run of whole "ot" records.

#include <cstdint>

#include "host/translate/tag_words.h"

namespace regionflags::host::translate {

struct ArrayMapEntry {
    uint32_t prefTag;
    uint32_t otTag;
    uint16_t count;
    int16_t lowestNumber;  // the key numbers accepted, inclusive
    int16_t highestNumber;
    bool indexFromNumber;  // the first element's index is number - 1, else 0
};

inline constexpr int16_t kAnyLow = -32768;
inline constexpr int16_t kAnyHigh = 32767;

inline constexpr ArrayMapEntry ArrayMap[] = {
    {TagWord("pfGG"), TagWord("ot88"), 11, kAnyLow, kAnyHigh, false},
    {TagWord("pfGb"), TagWord("ot98"), 1, 1, 4, true},
    {TagWord("pfGs"), TagWord("ot91"), 1, 1, 1, false},
    {TagWord("pfMM"), TagWord("ot25"), 2, kAnyLow, kAnyHigh, false},
    {TagWord("pfPF"), TagWord("ot77"), 4, 1, 1, false},
    {TagWord("pfSC"), TagWord("ot52"), 2, kAnyLow, kAnyHigh, false},
    {TagWord("pfSN"), TagWord("ot40"), 1, 1, 128, true},
    {TagWord("pfSP"), TagWord("ot94"), 3, kAnyLow, kAnyHigh, false},
    {TagWord("pfSl"), TagWord("ot26"), 1, 1, 15, true},
    {TagWord("pfTC"), TagWord("ot86"), 5, kAnyLow, kAnyHigh, false},
    {TagWord("pfTI"), TagWord("ot84"), 4, kAnyLow, kAnyHigh, false},
    {TagWord("pfTX"), TagWord("ot78"), 8, kAnyLow, kAnyHigh, false},
    {TagWord("pfTp"), TagWord("ot85"), 4, kAnyLow, kAnyHigh, false},
    {TagWord("pfTs"), TagWord("ot90"), 1, 1, 9, true},
};

// otTag 0: the tag is not in the map, or the number lies outside what it accepts.
struct ArrayMatch {
    uint32_t otTag;
    uint16_t count;
    int16_t firstIndex;
};

ArrayMatch FindArrayMap(uint32_t tag, int16_t number);

}  // namespace regionflags::host::translate
