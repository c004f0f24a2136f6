#pragma once

#include <stdexcept>

// Bad input or a file that cannot be read or written: the message the tool prints before it
// ends with status 1.
class TToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
