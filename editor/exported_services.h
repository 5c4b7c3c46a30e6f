#pragma once
// The nine services, exported by name from the stand-in editor's executable as the editor
// exports them, each serving the current editor. A build may leave one out with
// -DSTANDIN_OMIT_<name>, to stand for an editor that lacks it.

#include <cstdint>
#include <string>
#include <vector>

#include "host/calling_convention.h"

#if defined(_WIN32)
#define STANDIN_EXPORT __declspec(dllexport)
#else
#define STANDIN_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
STANDIN_EXPORT uint32_t QL_CALL QL_StartMassEdit(const void* region, uint32_t zero, uint32_t version);
STANDIN_EXPORT int16_t QL_CALL QL_MassEditProgress(uint32_t handle, int16_t four, int16_t staff, int16_t measure,
                                                   int16_t minusOne, uint32_t version);
STANDIN_EXPORT int16_t QL_CALL QL_EndMassEdit(uint32_t handle, int16_t abandoned, uint32_t version);
STANDIN_EXPORT int16_t QL_CALL QL_GetShowLayer(int16_t layer, uint32_t version);
STANDIN_EXPORT void* QL_CALL QL_LoadTGF(uint16_t startRef, int16_t staff, int16_t measure, int16_t layer,
                                        int16_t one, uint32_t version);
STANDIN_EXPORT int16_t QL_CALL QL_SaveTGF(void* frame, uint32_t version);
STANDIN_EXPORT int16_t QL_CALL QL_FreeTGF(void* frame, uint32_t version);
STANDIN_EXPORT int16_t QL_CALL QL_LoadEData(uint32_t tag, void* key, void* buffer, int32_t* size,
                                            uint32_t version);
STANDIN_EXPORT int16_t QL_CALL QL_SaveEData(uint32_t tag, void* key, const void* buffer, int32_t length,
                                            uint32_t version);
}

namespace standin {

struct ExportedService {
    const char* name;
    void (*address)();
};

// What this build of the editor exports, for a loader that is not the system's.
const std::vector<ExportedService>& ExportedServices();

}  // namespace standin
