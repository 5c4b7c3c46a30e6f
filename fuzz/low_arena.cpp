#include "low_arena.h"

#include <sys/mman.h>

#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/asan_interface.h>
#define FUZZ_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define FUZZ_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#endif
#endif
#ifndef FUZZ_POISON
#define FUZZ_POISON(p, n) ((void)(p), (void)(n))
#define FUZZ_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace fuzzsupport {
namespace {

constexpr size_t kArenaBytes = 64u << 20;
constexpr size_t kRedZone = 64;

uint8_t* gArena = nullptr;
size_t gUsed = 0;

uint8_t* Arena() {
    if (gArena == nullptr) {
        void* block = mmap(nullptr, kArenaBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
        if (block == MAP_FAILED) std::abort();
        gArena = static_cast<uint8_t*>(block);
        FUZZ_POISON(gArena, kArenaBytes);
    }
    return gArena;
}

}  // namespace

void ResetArena() {
    FUZZ_POISON(Arena(), gUsed + kRedZone);  // the rest was never unpoisoned
    gUsed = 0;
}

uint8_t* LendFromArena(size_t bytes) {
    uint8_t* arena = Arena();
    const size_t start = gUsed + kRedZone;
    if (start + bytes + kRedZone > kArenaBytes) return nullptr;
    gUsed = (start + bytes + 7) & ~size_t{7};
    FUZZ_UNPOISON(arena + start, bytes);
    return arena + start;
}

void ReturnToArena(uint8_t* block, size_t bytes) { FUZZ_POISON(block, bytes); }

}  // namespace fuzzsupport
