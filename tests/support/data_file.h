#pragma once

#include <string>

// The path of a committed test table under tests/data, as the running test program sees it.
std::string DataFile(const std::string& name);
// The path of a file of the release under examples/ (the sample table, the first settings).
std::string ExampleFile(const std::string& name);
