#pragma once

#include <cstdint>
#include <string_view>

// Whether a typed answer is the same text as a stored translation, both in the table's code
// page. On Windows the system decides, for the user's locale, on the two texts in UTF-16, as the
// program has always compared answers there (lstrcmpA converts from the system's code page and
// compares so: characters the locale ignores, such as a soft hyphen, do not count; case does);
// elsewhere the texts must be equal byte for byte. A typed NUL, a character the code page lacks,
// makes the texts differ.
bool SameAnswerText(std::string_view typed, std::string_view stored, uint32_t codePage);
