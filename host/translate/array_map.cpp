#include "host/translate/array_map.h"

namespace regionflags::host::translate {

ArrayMatch FindArrayMap(uint32_t tag, int16_t number) {
    for (const ArrayMapEntry& entry : ArrayMap) {
        if (entry.prefTag != tag) continue;
        if (number < entry.lowestNumber || number > entry.highestNumber) return ArrayMatch{0, 0, 0};
        const auto firstIndex = static_cast<int16_t>(entry.indexFromNumber ? number - 1 : 0);
        return ArrayMatch{entry.otTag, entry.count, firstIndex};
    }
    return ArrayMatch{0, 0, 0};
}

}  // namespace regionflags::host::translate
