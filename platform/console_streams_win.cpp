#include "platform/console_streams.h"

#include <cstdint>
#include <memory>
#include <streambuf>

#include "platform/text_codec.h"

// The console calls needed here; declared rather than pulling all of <windows.h> into the core.
extern "C" {
__declspec(dllimport) void* __stdcall GetStdHandle(unsigned long which);
__declspec(dllimport) int __stdcall GetConsoleMode(void* console, unsigned long* mode);
__declspec(dllimport) int __stdcall WriteConsoleW(void* console, const wchar_t* text,
                                                  unsigned long length, unsigned long* written,
                                                  void* reserved);
__declspec(dllimport) int __stdcall WriteFile(void* file, const void* data, unsigned long size,
                                              unsigned long* written, void* overlapped);
__declspec(dllimport) wchar_t* __stdcall GetCommandLineW();
__declspec(dllimport) wchar_t** __stdcall CommandLineToArgvW(const wchar_t* line, int* count);
__declspec(dllimport) void* __stdcall LocalFree(void* memory);
}

namespace {

constexpr unsigned long StandardOutput = static_cast<unsigned long>(-11); // STD_OUTPUT_HANDLE
constexpr unsigned long StandardError = static_cast<unsigned long>(-12);  // STD_ERROR_HANDLE
void* const InvalidHandle = reinterpret_cast<void*>(static_cast<intptr_t>(-1));

struct LocalFreer {
    void operator()(wchar_t** memory) const { LocalFree(memory); }
};

// Collects UTF-8 and hands it on at each flush: to a console as UTF-16, else as it is. A
// character cut at the end of the buffer waits for the rest of its bytes.
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(unsigned long which) : handle_(GetStdHandle(which)) {
        unsigned long mode = 0;
        console_ =
            handle_ != nullptr && handle_ != InvalidHandle && GetConsoleMode(handle_, &mode) != 0;
    }
    ~ConsoleBuffer() override { sync(); }

protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof())
            pending_.push_back(static_cast<char>(c));
        if (pending_.size() >= 4096 && sync() != 0)
            return traits_type::eof();
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize size) override {
        pending_.append(text, static_cast<size_t>(size));
        if (pending_.size() >= 4096 && sync() != 0)
            return 0;
        return size;
    }
    int sync() override {
        if (pending_.empty())
            return 0;
        const size_t whole = console_ ? WholeCharacters() : pending_.size();
        const bool written = console_ ? WriteWide(whole) : WriteBytes(whole);
        pending_.erase(0, whole);
        return written ? 0 : -1;
    }

private:
    // The length of the pending text without a character cut short at its end.
    size_t WholeCharacters() const {
        for (size_t back = 1; back <= 3 && back <= pending_.size(); ++back) {
            const unsigned char byte = static_cast<unsigned char>(pending_[pending_.size() - back]);
            if (byte < 0x80)
                break;
            if (byte >= 0xC0) {
                const size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
                return length > back ? pending_.size() - back : pending_.size();
            }
        }
        return pending_.size();
    }
    bool WriteWide(size_t size) {
        if (size == 0)
            return true;
        const TUtf16 wide = Utf8ToUtf16(std::string_view(pending_.data(), size));
        unsigned long written = 0;
        return WriteConsoleW(handle_, wide.data(), static_cast<unsigned long>(wide.size()),
                             &written, nullptr) != 0;
    }
    bool WriteBytes(size_t size) {
        unsigned long written = 0;
        return size == 0 || (WriteFile(handle_, pending_.data(), static_cast<unsigned long>(size),
                                       &written, nullptr) != 0 &&
                             written == size);
    }

    void* handle_;
    bool console_ = false;
    std::string pending_;
};

} // namespace

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    int count = 0;
    std::unique_ptr<wchar_t*, LocalFreer> wide(CommandLineToArgvW(GetCommandLineW(), &count));
    if (!wide)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(Utf16ToUtf8(wide.get()[i]));
    return arguments;
}

std::ostream& ConsoleOut() {
    static ConsoleBuffer buffer(StandardOutput);
    static std::ostream stream(&buffer);
    return stream;
}

std::ostream& ConsoleErr() {
    static ConsoleBuffer buffer(StandardError);
    static std::ostream stream(&buffer);
    stream.setf(std::ios::unitbuf);
    return stream;
}
