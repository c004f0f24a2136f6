#pragma once

#include <string>
#include <string_view>

// The text without its comments in square brackets: everything from a "[" to the next "]" goes;
// a "[" without a later "]" drops the rest of the text.
std::string RemoveComments(std::string_view text);
