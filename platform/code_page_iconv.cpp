#include "platform/code_page_system.h"

#include <cerrno>
#include <iconv.h>

namespace {

class Converter {
public:
    Converter(const std::string& to, const std::string& from)
        : handle_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (IsOpen())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // `badSequence`: what an input sequence that cannot be converted means.
    TConversion Convert(std::string_view input, TConversion badSequence, std::string& output) {
        output.clear();
        // A single-byte page needs at most as many bytes as the UTF-8 text and UTF-8 at most
        // three per byte of such a page; one pass with that room suffices.
        std::string buffer(input.size() * 3 + 4, '\0');
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char* out = buffer.data();
        size_t outLeft = buffer.size();
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1))
            return errno == EILSEQ ? badSequence : TConversion::Invalid;
        // A converter may hold the last character back to join it with a following accent
        // (code page 1258 does): the end of the text lets it go.
        if (iconv(handle_, nullptr, nullptr, &out, &outLeft) == static_cast<size_t>(-1))
            return TConversion::Invalid;
        output.assign(buffer.data(), buffer.size() - outLeft);
        return TConversion::Ok;
    }

private:
    iconv_t handle_;
};

TConversion Convert(std::string_view input, const std::string& to, const std::string& from,
                    TConversion badSequence, std::string& output) {
    Converter converter(to, from);
    if (!converter.IsOpen())
        return TConversion::Unsupported;
    return converter.Convert(input, badSequence, output);
}

std::string IconvName(uint32_t codePage) {
    return "CP" + std::to_string(codePage);
}

} // namespace

TConversion SystemUtf8ToCodePage(std::string_view utf8, uint32_t codePage, std::string& converted) {
    return Convert(utf8, IconvName(codePage), "UTF-8", TConversion::Unmappable, converted);
}

TConversion SystemCodePageToUtf8(std::string_view bytes, uint32_t codePage,
                                 std::string& converted) {
    return Convert(bytes, "UTF-8", IconvName(codePage), TConversion::Invalid, converted);
}
