// The module allocates nothing: every allocation of this program is counted, and a walk of
// each command and a load and store of every preference record leave the count at zero.
// The editor here serves static frames and records and allocates nothing itself.

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <atomic>
#include <cstring>

#include "extension/entry_points.h"
#include "host/records.h"
#include "host/service_wrappers.h"
#include "host/translate/array_map.h"
#include "host/translate/field_maps.h"
#include "support/export_table_platform.h"

extern "C" void* __libc_malloc(size_t);
extern "C" void* __libc_calloc(size_t, size_t);
extern "C" void* __libc_realloc(void*, size_t);
extern "C" void* __libc_memalign(size_t, size_t);

namespace {
std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};
void Count() {
    if (gCounting.load(std::memory_order_relaxed)) gAllocations.fetch_add(1, std::memory_order_relaxed);
}
}  // namespace

extern "C" {
void* malloc(size_t n) {
    Count();
    return __libc_malloc(n);
}
void* calloc(size_t n, size_t size) {
    Count();
    return __libc_calloc(n, size);
}
void* realloc(void* p, size_t n) {
    Count();
    return __libc_realloc(p, n);
}
void* memalign(size_t alignment, size_t n) {
    Count();
    return __libc_memalign(alignment, n);
}
void* aligned_alloc(size_t alignment, size_t n) {
    Count();
    return __libc_memalign(alignment, n);
}
int posix_memalign(void** out, size_t alignment, size_t n) {
    Count();
    *out = __libc_memalign(alignment, n);
    return *out != nullptr ? 0 : 12;
}
}

namespace {

using namespace regionflags::host;

constexpr int kStaves = 3, kMeasures = 4, kEntries = 6;
constexpr size_t kFrameBytes = kFrameHeaderSize + 4 + kEntries * kEntrySize;
uint8_t* gFrames = nullptr;

uint8_t* Frame(int16_t staff, int16_t measure, int16_t layer) {
    return gFrames + ((size_t(measure - 1) * kStaves + size_t(staff - 1)) * 4 + size_t(layer)) * kFrameBytes;
}

extern "C" {
MassEditHandle QL_CALL StartMassEdit(const void*, uint32_t, uint32_t) { return 7; }
int16_t QL_CALL Progress(MassEditHandle, int16_t, int16_t, int16_t, int16_t, uint32_t) { return 1; }
int16_t QL_CALL EndMassEdit(MassEditHandle, int16_t, uint32_t) { return 1; }
int16_t QL_CALL ShowLayer(int16_t, uint32_t) { return 1; }
void* QL_CALL LoadTGF(uint16_t, int16_t staff, int16_t measure, int16_t layer, int16_t, uint32_t) {
    return Frame(staff, measure, layer);
}
int16_t QL_CALL SaveTGF(void*, uint32_t) { return 1; }
int16_t QL_CALL FreeTGF(void*, uint32_t) { return 1; }
int16_t QL_CALL LoadEData(uint32_t, void*, void* buffer, int32_t* size, uint32_t) {
    static const uint8_t record[12] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2};
    if (buffer != nullptr && size != nullptr && *size >= 12) std::memcpy(buffer, record, 12);
    return 1;
}
int16_t QL_CALL SaveEData(uint32_t, void*, const void*, int32_t, uint32_t) { return 1; }
}


void BuildFrames() {
    int flags = MAP_PRIVATE | MAP_ANONYMOUS;
#if defined(MAP_32BIT) && UINTPTR_MAX > 0xFFFFFFFFu
    flags |= MAP_32BIT;
#endif
    void* block = mmap(nullptr, kFrameBytes * kStaves * kMeasures * 4, PROT_READ | PROT_WRITE, flags, -1, 0);
    ASSERT_NE(block, MAP_FAILED);
    gFrames = static_cast<uint8_t*>(block);
    for (int16_t m = 1; m <= kMeasures; ++m)
        for (int16_t s = 1; s <= kStaves; ++s)
            for (int16_t layer = 0; layer < 4; ++layer) {
                uint8_t* frame = Frame(s, m, layer);
                uint8_t* entries = frame + kFrameHeaderSize + 4;
                StoreU32(frame + kFrameEntriesOffset, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(entries)));
                StoreU16(frame + kFrameEntryCountOffset, kEntries);
                for (int e = 0; e < kEntries; ++e) StoreU16(entries + e * kEntrySize + kEntryNoteCountOffset, uint16_t(e % 4));
            }
}

TEST(TheModule, AllocatesNothingInAWalkOrATranslation) {
    BuildFrames();
    testsupport::BeginRun({StartMassEdit, Progress, EndMassEdit, ShowLayer, LoadTGF, SaveTGF, FreeTGF, LoadEData,
                           SaveEData});
    ERegion region{};
    StoreU16(region.bytes + kRegionStartStaffOffset, 1);
    StoreU16(region.bytes + kRegionStartMeasureOffset, 1);
    StoreU16(region.bytes + kRegionEndStaffOffset, kStaves);
    StoreU16(region.bytes + kRegionEndMeasureOffset, kMeasures);
    StoreU32(region.bytes + kRegionEndPositionOffset, 0x7FFFFFFF);
    uint8_t buffer[256] = {};
    uint8_t key[8] = {};

    gAllocations = 0;
    gCounting = true;
    int ran = 0;
    for (int16_t command = 0; command < 4; ++command) ran += QuorlaExtensionInvoke(0, command, &region, 0);
    for (const auto& map : translate::FieldMaps) {
        int32_t size = map.size;
        ran += QL_LoadEData(map.tag, key, buffer, &size, kHostCallVersion);
        ran += QL_SaveEData(map.tag, key, buffer, map.size, kHostCallVersion);
    }
    for (const auto& entry : translate::ArrayMap) {
        const int16_t number = entry.lowestNumber == translate::kAnyLow ? 0 : entry.lowestNumber;
        StoreU16(key, static_cast<uint16_t>(number));
        int32_t size = 12 * entry.count;
        ran += QL_LoadEData(entry.prefTag, key, buffer, &size, kHostCallVersion);
        ran += QL_SaveEData(entry.prefTag, key, buffer, 12 * entry.count, kHostCallVersion);
    }
    gCounting = false;

    EXPECT_EQ(ran, 4 + 2 * 8 + 2 * 14);  // every call did its work
    EXPECT_EQ(gAllocations.load(), 0);
}

TEST(TheModule, CountingAllocationsWorks) {
    gAllocations = 0;
    gCounting = true;
    void* p = malloc(32);
    auto* q = new int(3);
    gCounting = false;
    free(p);
    delete q;
    EXPECT_EQ(gAllocations.load(), 2);
}

}  // namespace
