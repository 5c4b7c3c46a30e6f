#pragma once
// The field maps written as the maintainers' notes write them, "offset=id:word" with an
// optional key "(number,index)" and a mark (L: 4 bytes swapped halves, N: invert,
// B: low byte, S: 2 bytes swapped halves), parsed independently of the module's tables.

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct NotedRow {
    std::string id;
    int16_t keyNumber;  // as sent to the editor: -2 where the row gives no number
    int16_t keyIndex;
    int16_t prefOffset;
    int16_t wordIndex;
    int16_t size;
    char mark;  // 0, 'L', 'N', 'B' or 'S'
};

struct NotedMap {
    std::string tag;
    int32_t sizeOfFields;
    std::vector<NotedRow> rows;
};

const std::vector<NotedMap>& NotedFieldMaps();

}  // namespace testsupport
