// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

// The system refused a resource such as a timer.
class EOutOfResources : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
