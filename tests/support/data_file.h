#pragma once

#include <string>

// The path of a committed test table under tests/data, as the running test program sees it.
std::string DataFile(const std::string& name);
