#pragma once
// The tests' platform layer under the module's binding: it serves the stand-in editor's
// services by name, leaves out those the current editor lacks, and counts every look-up.

#include <string>
#include <vector>

namespace testsupport {

struct PlatformLog {
    int moduleHandleCalls = 0;
    std::vector<std::string> lookups;
};

PlatformLog& Platform();

// Puts the binding back as the module is when freshly loaded, and clears the log.
void ForgetHostBinding();

}  // namespace testsupport
