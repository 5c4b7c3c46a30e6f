#pragma once
// A score's flags at a glance: one character per staff and measure.

#include <string>

#include "editor/score.h"

namespace sim {

std::string ScoreFlagsText(const standin::Score& score);

}  // namespace sim
