#include "platform/text_compare.h"

#include "platform/text_codec.h"

// The one call needed here; declared rather than pulling all of <windows.h> into the core.
extern "C" __declspec(dllimport) int __stdcall lstrcmpW(const wchar_t* a, const wchar_t* b);

bool SameAnswerText(std::string_view typed, std::string_view stored, uint32_t codePage) {
    // The system compares NUL-terminated texts, and would end the typed one at such a character.
    if (typed.find('\0') != std::string_view::npos)
        return false;
    const TCodePageText& text = CodePageText(codePage);
    return lstrcmpW(text.ToUtf16(typed).c_str(), text.ToUtf16(stored).c_str()) == 0;
}
