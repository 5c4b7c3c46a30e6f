#pragma once
// The project's JSON score format: staves, measures and the frames that hold entries.
//
//   {"staves": 2, "measures": 4,
//    "frames": [{"staff": 1, "measure": 1, "layer": 0,
//                "entries": [{"position": 0, "flags": "0x0000", "notes": ["0x00000000"]}]}]}
//
// Flags are numbers or hexadecimal strings; every note is its flag word. Frames not listed
// are empty.

#include <string>

#include "editor/score.h"

namespace sim {

standin::Score ParseScoreJson(const std::string& text, const std::string& fileName);  // throws InputError
standin::Score ReadScoreJson(const std::string& path);
std::string ScoreJsonText(const standin::Score& score);
void WriteScoreJson(const standin::Score& score, const std::string& path);  // atomically

}  // namespace sim
