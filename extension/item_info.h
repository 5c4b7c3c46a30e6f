#pragma once
// ExtensionItemInfo: the record the editor hands to enumeration for the module to fill.

#include <cstdint>

#include "extension/command_table.h"

namespace regionflags::extension {

inline constexpr uint32_t kItemTextFieldSize = 64;
inline constexpr uint32_t kItemMenuTextOffset = 0;
inline constexpr uint32_t kItemDescriptionOffset = 64;
inline constexpr uint32_t kItemMenuTextAgainOffset = 128;
inline constexpr uint32_t kItemFirstWordOffset = 192;
inline constexpr uint32_t kItemSecondWordOffset = 194;
inline constexpr uint32_t kItemInfoSize = 196;

static_assert(kItemMenuTextOffset + kItemTextFieldSize == kItemDescriptionOffset);
static_assert(kItemDescriptionOffset + kItemTextFieldSize == kItemMenuTextAgainOffset);
static_assert(kItemMenuTextAgainOffset + kItemTextFieldSize == kItemFirstWordOffset);
static_assert(kItemSecondWordOffset + 2 == kItemInfoSize);

// Writes the row into the 196 bytes at `item` and nothing beyond them.
void FillItemInfo(uint8_t* item, const CommandRow& row);

}  // namespace regionflags::extension
