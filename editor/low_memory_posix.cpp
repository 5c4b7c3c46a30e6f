#include <sys/mman.h>

#include <cstdint>

#include "editor/low_memory.h"

namespace standin {

void* AllocateLow(size_t bytes) {
    int flags = MAP_PRIVATE | MAP_ANONYMOUS;
#if defined(MAP_32BIT) && UINTPTR_MAX > 0xFFFFFFFFu
    flags |= MAP_32BIT;
#endif
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, flags, -1, 0);
    if (block == MAP_FAILED) return nullptr;
    if (static_cast<uint64_t>(reinterpret_cast<uintptr_t>(block)) + bytes > 0xFFFFFFFFull) {
        munmap(block, bytes);
        return nullptr;
    }
    return block;
}

void FreeLow(void* block, size_t bytes) { munmap(block, bytes); }

}  // namespace standin
