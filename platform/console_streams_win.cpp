#include "platform/console_streams.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <streambuf>

namespace {

std::string Utf8Of(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back();
    return text;
}

struct LocalFreer {
    void operator()(wchar_t** memory) const { LocalFree(memory); }
};

// Collects UTF-8 and hands it on at each flush: to a console as UTF-16, else as it is. A
// character cut at the end of the buffer waits for the rest of its bytes.
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(DWORD which) : handle_(GetStdHandle(which)) {
        DWORD mode;
        console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE &&
                   GetConsoleMode(handle_, &mode) != 0;
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
        const int length =
            MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(size), nullptr, 0);
        std::wstring wide(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(size), wide.data(),
                            length);
        DWORD written = 0;
        return WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &written,
                             nullptr) != 0;
    }
    bool WriteBytes(size_t size) {
        DWORD written = 0;
        return size == 0 || (WriteFile(handle_, pending_.data(), static_cast<DWORD>(size), &written,
                                       nullptr) != 0 &&
                             written == size);
    }

    HANDLE handle_;
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
        arguments.push_back(Utf8Of(wide.get()[i]));
    return arguments;
}

std::ostream& ConsoleOut() {
    static ConsoleBuffer buffer(STD_OUTPUT_HANDLE);
    static std::ostream stream(&buffer);
    return stream;
}

std::ostream& ConsoleErr() {
    static ConsoleBuffer buffer(STD_ERROR_HANDLE);
    static std::ostream stream(&buffer);
    stream.setf(std::ios::unitbuf);
    return stream;
}
