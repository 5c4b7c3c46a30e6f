#pragma once

#include <string>

namespace sim {

// Writes `text` to `path` through a temporary file in the same folder renamed into place,
// so that a failed write never leaves half a file. Throws InputError.
void WriteFileAtomically(const std::string& path, const std::string& text);

std::string ReadWholeFile(const std::string& path);  // throws InputError

}  // namespace sim
