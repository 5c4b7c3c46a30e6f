#include "extension/entry_points.h"

#include "extension/command_table.h"
#include "extension/item_info.h"
#include "extension/region_walk.h"

using namespace regionflags::extension;

extern "C" {

uint32_t QL_CALL QuorlaExtensionVersion(uint32_t /*unused*/) { return kExtensionVersion; }

int16_t QL_CALL QuorlaExtensionInit(uint32_t /*unused*/, uint32_t /*unused*/) { return 1; }

int16_t QL_CALL QuorlaExtensionEnumerate(uint32_t /*unused*/, int16_t index, void* item) {
    if (index < 0 || index >= kCommandCount || item == nullptr) return 0;
    FillItemInfo(static_cast<uint8_t*>(item), CommandTable[index]);
    return 1;
}

int16_t QL_CALL QuorlaExtensionInvoke(uint32_t /*unused*/, int16_t index, const void* region, uint32_t /*unused*/) {
    return RunRegionFlagWalk(index, static_cast<const regionflags::host::ERegion*>(region));
}

// Nothing was acquired, so nothing is released; the cached module handle is kept.
void QL_CALL QuorlaExtensionTerminate(uint32_t /*unused*/) {}

int16_t QL_CALL QuorlaExtensionGetMenuStatus(uint32_t /*unused*/) { return 1; }

}
