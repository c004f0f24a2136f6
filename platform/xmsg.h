#pragma once

#include <stdexcept>
#include <string>

// The message exception of an unusable start; the program entry reports it and ends.
class xmsg : public std::runtime_error {
public:
    explicit xmsg(const std::string& message) : std::runtime_error(message) {}
};
