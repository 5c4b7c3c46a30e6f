#pragma once
// The module's four commands, in the order the editor lists them; a command's index is
// its row number here.

#include <cstdint>

namespace regionflags::extension {

struct CommandRow {
    const char* menuText;
    const char* description;
};

inline constexpr int16_t kCommandCount = 4;

inline constexpr CommandRow CommandTable[kCommandCount] = {
    {"Spacing OFF", "Mark the region's entries to not use music spacing."},
    {"Spacing ON", "Mark the region's entries to use music spacing."},
    {"Playback OFF", "Mark the region's entries to not playback."},
    {"Playback ON", "Mark the region's entries to playback."},
};

}  // namespace regionflags::extension
