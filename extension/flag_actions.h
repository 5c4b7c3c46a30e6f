#pragma once
// What each command does to the entries and notes of the region, by command index.

#include <cstdint>

#include "extension/command_table.h"
#include "host/records.h"

namespace regionflags::extension {

struct FlagAction {
    uint16_t entryBit;  // 0: the command leaves entry flags alone
    uint32_t noteBit;
    bool set;           // set the bits, or clear them
};

inline constexpr FlagAction FlagActions[kCommandCount] = {
    {host::kEntryNoSpacing, host::kNoteNoSpacing, true},
    {host::kEntryNoSpacing, host::kNoteNoSpacing, false},
    {0, host::kNoteNoPlayback, true},
    {0, host::kNoteNoPlayback, false},
};

}  // namespace regionflags::extension
