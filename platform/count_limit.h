#pragma once

#include <cstdint>

// COUNT, a word's right answers in a row, has two digits in a table: the table format and the
// "Maximum Count" setting both stop here, and neither may look the other up.
constexpr uint32_t CountLimit = 99;
