#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdint>

#include "editor/low_memory.h"

namespace standin {
namespace {

constexpr uintptr_t kLowest = 0x10000000;
constexpr uintptr_t kLimit = 0xFFFFFFFF;
constexpr uintptr_t kGranule = 0x10000;

bool FitsBelowLimit(const void* block, size_t bytes) {
    return reinterpret_cast<uintptr_t>(block) + bytes <= kLimit;
}

}  // namespace

void* AllocateLow(size_t bytes) {
    void* block = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (block != nullptr && FitsBelowLimit(block, bytes)) return block;
    if (block != nullptr) VirtualFree(block, 0, MEM_RELEASE);
    // Ask for addresses below 4 GiB one allocation granule at a time.
    static uintptr_t next = kLowest;
    const uintptr_t span = (bytes + kGranule - 1) / kGranule * kGranule;
    for (uintptr_t tried = 0; tried < kLimit - kLowest; tried += kGranule) {
        if (next + span > kLimit) next = kLowest;
        block = VirtualAlloc(reinterpret_cast<void*>(next), bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        next += span;
        if (block != nullptr) return block;
    }
    return nullptr;
}

void FreeLow(void* block, size_t) { VirtualFree(block, 0, MEM_RELEASE); }

}  // namespace standin
