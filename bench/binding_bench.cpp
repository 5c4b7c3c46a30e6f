// One call through the module's wrapper against one direct call through a function
// pointer to the same service: the wrapper's own cost is its flag test.

#include <benchmark/benchmark.h>

#include "host/service_wrappers.h"
#include "support/export_table_platform.h"

namespace {

using namespace regionflags::host;

extern "C" int16_t QL_CALL ShowLayer(int16_t layer, uint32_t) { return static_cast<int16_t>(layer + 1); }

void WrapperCall(benchmark::State& state) {
    testsupport::BeginRun({.getShowLayer = ShowLayer});
    int16_t layer = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(QL_GetShowLayer(layer, kHostCallVersion));
        layer = static_cast<int16_t>((layer + 1) & 3);
    }
}

void DirectCall(benchmark::State& state) {
    GetShowLayerService volatile service = ShowLayer;  // volatile: called through the pointer, as the wrapper does
    int16_t layer = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(service(layer, kHostCallVersion));
        layer = static_cast<int16_t>((layer + 1) & 3);
    }
}

BENCHMARK(WrapperCall);
BENCHMARK(DirectCall);

}  // namespace
