#include "app_rules/help_page.h"

const char* HelpAnchor(THelpTopic topic) {
    switch (topic) {
    case THelpTopic::Drilling:
        return "drilling";
    case THelpTopic::Keys:
        return "keys";
    case THelpTopic::Options:
        return "options";
    case THelpTopic::FunctionKeys:
        return "function-keys";
    case THelpTopic::Tables:
        return "tables";
    }
    return "drilling";
}

namespace {
// Characters a file URL's path carries as they are; everything else is percent-encoded (the
// bytes of a UTF-8 path too, the encoding a browser reads them in).
bool IsPlainInPath(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    switch (c) {
    case '-':
    case '.':
    case '_':
    case '~':
    case '/':
    case ':':
    case '!':
    case '$':
    case '&':
    case '\'':
    case '(':
    case ')':
    case '*':
    case '+':
    case ',':
    case ';':
    case '=':
    case '@':
        return true;
    default:
        return false;
    }
}
} // namespace

std::string HelpPageUrl(const std::string& windowsPath, const char* anchor) {
    std::string path = windowsPath;
    for (char& c : path)
        if (c == '\\')
            c = '/';
    std::string url = "file://";
    if (path.starts_with("//"))
        path.erase(0, 2); // a UNC path: its server is the URL's host
    else
        url += '/';
    static const char hex[] = "0123456789ABCDEF";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsPlainInPath(byte)) {
            url += c;
        } else {
            url += '%';
            url += hex[byte >> 4];
            url += hex[byte & 0xF];
        }
    }
    if (anchor != nullptr && *anchor != '\0') {
        url += '#';
        url += anchor;
    }
    return url;
}

std::string ProgramFolder(const std::string& programFile) {
    const size_t separator = programFile.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : programFile.substr(0, separator);
}
