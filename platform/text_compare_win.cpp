#include "platform/text_compare.h"

#include <windows.h>

#include <string>

bool SameAnswerText(std::string_view typed, std::string_view stored) {
    // The system compares NUL-terminated texts.
    const std::string a(typed);
    const std::string b(stored);
    return lstrcmpA(a.c_str(), b.c_str()) == 0;
}
