#pragma once
// Data-record tags: four characters in one 32-bit word, the first in the top byte.

#include <cstdint>

namespace regionflags::host::translate {

constexpr uint32_t TagWord(const char (&text)[5]) {
    return static_cast<uint32_t>(static_cast<uint8_t>(text[0])) << 24 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 8 | static_cast<uint32_t>(static_cast<uint8_t>(text[3]));
}

// The "ot" record whose tag ends in the two characters of `id`.
constexpr uint32_t OtTagWord(const char (&id)[2]) {
    return 0x6F740000u + 256u * static_cast<uint8_t>(id[0]) + static_cast<uint8_t>(id[1]);
}

// Special load cases: the record "SOSD" with its fallback "otSD", and two records that
// the editor may leave unanswered while still filling the caller's buffer.
inline constexpr uint32_t kTagSOSD = TagWord("SOSD");
inline constexpr uint32_t kTagOtSD = TagWord("otSD");
inline constexpr uint32_t kTagZeroProbe48 = 0x4F044958;
inline constexpr uint32_t kTagZeroProbe108 = 0x4F096649;

static_assert(TagWord("pfPL") == 0x7066504C);
static_assert(TagWord("ot13") == 0x6F743133);
static_assert(kTagSOSD == 0x534F5344 && kTagOtSD == 0x6F745344);
static_assert(OtTagWord({'1', '3'}) == TagWord("ot13"));

}  // namespace regionflags::host::translate
