#pragma once
// What a command changed: every entry and note flag word that differs between two
// versions of the same score, and a count of any other byte that differs.

#include <cstdint>
#include <string>
#include <vector>

#include "editor/score.h"

namespace standin {

struct FlagChange {
    int staff;
    int measure;
    int layer;
    int entry;
    int note;  // -1: the entry's own flags
    uint32_t before;
    uint32_t after;
};

struct ScoreChanges {
    std::vector<FlagChange> flags;
    int otherBytes = 0;
};

ScoreChanges CompareScores(const Score& before, const Score& after);
// Adds the differences of one frame, found at `where` (its staff, measure and layer).
void CompareFrames(const Frame& before, const Frame& after, FlagChange where, ScoreChanges& changes);
std::string DescribeChange(const FlagChange& change);

}  // namespace standin
