#pragma once
// Memory whose addresses fit the editor's 32-bit record fields, for frames lent to the
// plug-in: a 64-bit stand-in must keep entries below 4 GiB, as the 32-bit editor does.

#include <cstddef>

namespace standin {

void* AllocateLow(size_t bytes);  // nullptr when none is to be had
void FreeLow(void* block, size_t bytes);

}  // namespace standin
