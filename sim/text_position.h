#pragma once

#include <cstddef>
#include <string>

namespace sim {

// "LINE:COLUMN" of a byte offset in `text`, both counted from 1.
inline std::string LineAndColumn(const std::string& text, size_t offset) {
    size_t line = 1, column = 1;
    for (size_t k = 0; k < offset && k < text.size(); ++k) {
        if (text[k] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return std::to_string(line) + ":" + std::to_string(column);
}

}  // namespace sim
