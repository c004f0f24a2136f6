#pragma once

#include <string_view>

// Whether a typed answer is the same text as a stored translation. On Windows the system
// decides, for the user's locale, as the program has always compared answers there (lstrcmpA:
// characters the locale ignores, such as a soft hyphen, do not count; case does); elsewhere
// the texts must be equal byte for byte.
bool SameAnswerText(std::string_view typed, std::string_view stored);
