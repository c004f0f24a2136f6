#include "app/command_line.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/text_codec.h"

std::string StartFileOf(const wchar_t* commandLine) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr)
        return {};
    const std::string file = count > 1 ? Utf16ToUtf8(arguments[1]) : std::string();
    LocalFree(arguments);
    return file;
}
