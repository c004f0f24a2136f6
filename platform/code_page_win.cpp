#include "platform/code_page_system.h"

#include <vector>

// The two kernel calls needed here; declared rather than pulling all of <windows.h> into the
// core.
extern "C" {
__declspec(dllimport) int __stdcall MultiByteToWideChar(unsigned int codePage, unsigned long flags,
                                                        const char* text, int size, wchar_t* wide,
                                                        int wideSize);
__declspec(dllimport) int __stdcall WideCharToMultiByte(unsigned int codePage, unsigned long flags,
                                                        const wchar_t* wide, int wideSize,
                                                        char* text, int size,
                                                        const char* defaultChar, int* usedDefault);
__declspec(dllimport) unsigned long __stdcall GetLastError();
}

namespace {

constexpr unsigned long ErrorOnInvalid = 0x08; // MB_ERR_INVALID_CHARS
constexpr unsigned long NoBestFit = 0x400;     // WC_NO_BEST_FIT_CHARS
constexpr unsigned long InvalidParameter = 87; // ERROR_INVALID_PARAMETER

// Why a conversion failed: the system calls an unknown code page a bad parameter.
TConversion Failure(TConversion badText) {
    return GetLastError() == InvalidParameter ? TConversion::Unsupported : badText;
}

TConversion ToWide(std::string_view text, unsigned int codePage, std::vector<wchar_t>& wide) {
    wide.assign(text.size() + 1, L'\0');
    if (text.empty()) {
        wide.clear();
        return TConversion::Ok;
    }
    const int length =
        MultiByteToWideChar(codePage, ErrorOnInvalid, text.data(), static_cast<int>(text.size()),
                            wide.data(), static_cast<int>(wide.size()));
    if (length <= 0)
        return Failure(TConversion::Invalid);
    wide.resize(static_cast<size_t>(length));
    return TConversion::Ok;
}

// `usedDefault` may only be asked for with single-byte and double-byte pages, not UTF-8.
TConversion FromWide(const std::vector<wchar_t>& wide, unsigned int codePage, unsigned long flags,
                     int* usedDefault, std::string& text) {
    text.clear();
    if (wide.empty())
        return TConversion::Ok;
    std::string buffer(wide.size() * 4, '\0');
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                            buffer.data(), static_cast<int>(buffer.size()), nullptr, usedDefault);
    if (length <= 0)
        return Failure(TConversion::Unmappable);
    text.assign(buffer.data(), static_cast<size_t>(length));
    return TConversion::Ok;
}

} // namespace

TConversion SystemUtf8ToCodePage(std::string_view utf8, uint32_t codePage, std::string& converted) {
    converted.clear();
    std::vector<wchar_t> wide;
    TConversion result = ToWide(utf8, Utf8CodePage, wide);
    if (result != TConversion::Ok)
        return result;
    int usedDefault = 0;
    result = FromWide(wide, codePage, NoBestFit, &usedDefault, converted);
    if (result != TConversion::Ok)
        return result;
    if (usedDefault) {
        converted.clear();
        return TConversion::Unmappable;
    }
    return TConversion::Ok;
}

TConversion SystemCodePageToUtf8(std::string_view bytes, uint32_t codePage,
                                 std::string& converted) {
    converted.clear();
    std::vector<wchar_t> wide;
    const TConversion result = ToWide(bytes, codePage, wide);
    if (result != TConversion::Ok)
        return result;
    return FromWide(wide, Utf8CodePage, 0, nullptr, converted);
}
