#pragma once
// The body of every command: one mass edit over the selected region that sets or clears
// the command's flag bits in every entry in range and in every note of those entries.

#include <cstdint>

#include "host/records.h"

namespace regionflags::extension {

// 1 when the walk ran to its end; 0 when the user cancelled it, and also, with no editor
// call made, for an unknown command, a missing region or an editor lacking a service.
int16_t RunRegionFlagWalk(int16_t commandIndex, const host::ERegion* region);

}  // namespace regionflags::extension
