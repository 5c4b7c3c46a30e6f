// A load and a store of every preference record the translation serves, per call, with
// the number of editor calls each makes. The editor answers every "ot" load with the same
// record and keeps nothing, so what is measured is the module's own work.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "host/service_wrappers.h"
#include "host/translate/tag_words.h"
#include "support/export_table_platform.h"

namespace {

using namespace regionflags::host;
using regionflags::host::translate::TagWord;

uint64_t gCalls = 0;
constexpr uint8_t kRecord[12] = {1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0};

extern "C" int16_t QL_CALL LoadEData(uint32_t, void*, void* buffer, int32_t* size, uint32_t) {
    ++gCalls;
    if (buffer != nullptr) std::memcpy(buffer, kRecord, 12);
    *size = 12;
    return 1;
}
extern "C" int16_t QL_CALL SaveEData(uint32_t, void*, const void*, int32_t, uint32_t) { return ++gCalls, 1; }

struct Served {
    uint32_t tag;
    const char* name;
    int16_t number;
    int32_t size;
};

const Served kServed[] = {
    {TagWord("pfPL"), "pfPL", 0, 14},  {TagWord("pfDP"), "pfDP", 0, 76},  {TagWord("pfSI"), "pfSI", 0, 54},
    {TagWord("pfMS"), "pfMS", 0, 104}, {TagWord("pfPF"), "pfPF/0", 0, 48}, {TagWord("pfRP"), "pfRP", 0, 40},
    {TagWord("pfPB"), "pfPB", 0, 44},  {TagWord("pfSS"), "pfSS", 0, 96},  {TagWord("pfGG"), "pfGG", 0, 132},
    {TagWord("pfGb"), "pfGb", 1, 12},  {TagWord("pfGs"), "pfGs", 1, 12},  {TagWord("pfMM"), "pfMM", 0, 24},
    {TagWord("pfPF"), "pfPF/1", 1, 48}, {TagWord("pfSC"), "pfSC", 0, 24}, {TagWord("pfSN"), "pfSN", 5, 12},
    {TagWord("pfSP"), "pfSP", 0, 36},  {TagWord("pfSl"), "pfSl", 3, 12},  {TagWord("pfTC"), "pfTC", 0, 60},
    {TagWord("pfTI"), "pfTI", 0, 48},  {TagWord("pfTX"), "pfTX", 0, 96},  {TagWord("pfTp"), "pfTp", 0, 48},
    {TagWord("pfTs"), "pfTs", 2, 12},
};

void Translate(benchmark::State& state, bool store) {
    const Served& served = kServed[state.range(0)];
    testsupport::BeginRun({.loadEData = LoadEData, .saveEData = SaveEData});
    uint8_t key[8] = {static_cast<uint8_t>(served.number), static_cast<uint8_t>(served.number >> 8)};
    std::vector<uint8_t> buffer(size_t(served.size), 0x11);  // differs from the editor's record: stores happen
    gCalls = 0;
    for (auto _ : state) {
        int32_t size = served.size;
        benchmark::DoNotOptimize(store ? QL_SaveEData(served.tag, key, buffer.data(), served.size, kHostCallVersion)
                                       : QL_LoadEData(served.tag, key, buffer.data(), &size, kHostCallVersion));
        benchmark::ClobberMemory();
    }
    state.SetLabel(served.name);
    state.counters["editor_calls"] = double(gCalls) / double(state.iterations());
}

void Load(benchmark::State& state) { Translate(state, false); }
void Store(benchmark::State& state) { Translate(state, true); }

BENCHMARK(Load)->DenseRange(0, int(std::size(kServed)) - 1);
BENCHMARK(Store)->DenseRange(0, int(std::size(kServed)) - 1);

}  // namespace
