#pragma once
// Regions on the command line: FIRST-LAST, each MEASURE:STAFF with an optional @POSITION,
// for example 3:1-5:2 or 3:1@256-5:2@1024. Without positions the first and last measures
// are taken whole.

#include <string>

#include "editor/score.h"
#include "editor/standin_editor.h"

namespace sim {

standin::Selection ParseRegion(const std::string& text, const standin::Score& score);  // throws InputError
standin::Selection WholeScoreRegion(const standin::Score& score);

}  // namespace sim
