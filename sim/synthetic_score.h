#pragma once
// A synthetic score built in memory, for watching and timing a walk over a large region.

#include <string>

#include "editor/score.h"

namespace sim {

// SIZE is MEASURESxSTAVES, e.g. 2000x40. Throws InputError.
standin::Score GenerateScore(const std::string& size);

}  // namespace sim
