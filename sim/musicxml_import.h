#pragma once
// Partwise MusicXML read into a score: each staff of each part becomes a staff, measures
// in order, voices 1 to 4 layers 0 to 3, a chord one entry of up to 12 notes, a rest an
// entry without notes. Positions are the notes' onsets within their measure, backup and
// forward honoured, at kPositionsPerQuarter to the quarter note.

#include <string>
#include <vector>

#include "editor/score.h"

namespace sim {

inline constexpr int kPositionsPerQuarter = 1024;

struct ImportedScore {
    standin::Score score;
    int parts = 0;
    int entries = 0;
    std::vector<std::string> warnings;  // what could not be mapped, with its part and measure
};

ImportedScore ImportMusicXml(const std::string& path);  // throws InputError
ImportedScore ImportMusicXmlText(const std::string& text, const std::string& fileName);

bool LooksLikeMusicXml(const std::string& path);  // by its name: .musicxml or .xml

}  // namespace sim
