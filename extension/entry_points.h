#pragma once
// The six functions the editor looks up by name in the module after loading it.

#include <cstdint>

#include "host/calling_convention.h"

#if defined(_WIN32)
#define REGIONFLAGS_EXPORT  // the module definition file names the exports
#else
#define REGIONFLAGS_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
REGIONFLAGS_EXPORT uint32_t QL_CALL QuorlaExtensionVersion(uint32_t unused);
REGIONFLAGS_EXPORT int16_t QL_CALL QuorlaExtensionInit(uint32_t unused1, uint32_t unused2);
REGIONFLAGS_EXPORT int16_t QL_CALL QuorlaExtensionEnumerate(uint32_t unused, int16_t index, void* item);
REGIONFLAGS_EXPORT int16_t QL_CALL QuorlaExtensionInvoke(uint32_t unused1, int16_t index, const void* region,
                                                        uint32_t unused2);
REGIONFLAGS_EXPORT void QL_CALL QuorlaExtensionTerminate(uint32_t unused);
REGIONFLAGS_EXPORT int16_t QL_CALL QuorlaExtensionGetMenuStatus(uint32_t unused);
}

namespace regionflags::extension {
inline constexpr uint32_t kExtensionVersion = 0x07000000;
}
