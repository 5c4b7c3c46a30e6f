#include "extension/item_info.h"

#include <algorithm>

#include "host/little_endian.h"

namespace regionflags::extension {
namespace {

// The text's characters, then zeros up to the field's end; a text as long as the field
// would fill it with no terminating zero, and none in the table is that long.
void CopyTextField(uint8_t* field, const char* text) {
    uint32_t k = 0;
    for (; k < kItemTextFieldSize && text[k] != '\0'; ++k) field[k] = static_cast<uint8_t>(text[k]);
    for (; k < kItemTextFieldSize; ++k) field[k] = 0;
}

constexpr bool TextFitsField(const char* text) {
    uint32_t length = 0;
    while (text[length] != '\0') ++length;
    return length < kItemTextFieldSize;
}

constexpr bool EveryTextFits() {
    return std::ranges::all_of(CommandTable, [](const CommandRow& row) {
        return TextFitsField(row.menuText) && TextFitsField(row.description);
    });
}
static_assert(EveryTextFits(), "a menu text or description would lose its terminating zero");

}  // namespace

void FillItemInfo(uint8_t* item, const CommandRow& row) {
    CopyTextField(item + kItemMenuTextOffset, row.menuText);
    CopyTextField(item + kItemDescriptionOffset, row.description);
    CopyTextField(item + kItemMenuTextAgainOffset, row.menuText);
    host::StoreU16(item + kItemFirstWordOffset, 1);
    host::StoreU16(item + kItemSecondWordOffset, 0);
}

}  // namespace regionflags::extension
