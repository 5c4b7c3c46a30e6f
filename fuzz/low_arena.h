#pragma once
// Frames for the fuzzers: below 4 GiB, as the editor's 32-bit entry addresses need, and
// poisoned for AddressSanitizer everywhere but the bytes actually lent, so a read or write
// a byte outside a frame, or into a released one, is reported.

#include <cstddef>
#include <cstdint>

namespace fuzzsupport {

void ResetArena();                  // every lent block becomes unusable again
uint8_t* LendFromArena(size_t bytes);  // nullptr when the arena is full
void ReturnToArena(uint8_t* block, size_t bytes);

}  // namespace fuzzsupport
