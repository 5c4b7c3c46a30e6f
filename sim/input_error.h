#pragma once
// Bad input of any kind: the message names the file and, where there is one, the place in it.

#include <stdexcept>
#include <string>

namespace sim {

struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace sim
