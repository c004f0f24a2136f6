#include "dialog_rules/browse_path.h"

#include <algorithm>

#include "platform/utf8.h"

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// "..\" once for every folder of `currentDir` below the longest folder it shares with the chosen
// file, then the chosen path below that folder; empty when they share none.
std::string RelativeForm(const std::string& currentDir, const std::string& chosen) {
    const size_t lastSlash = chosen.rfind('\\');
    if (lastSlash == std::string::npos)
        return {};
    const std::string folder = chosen.substr(0, lastSlash);
    // Prefixes of the folder that end at its end or just before one of its backslashes,
    // longest first.
    size_t end = folder.size();
    while (true) {
        if (StartsWith(currentDir, folder.substr(0, end) + '\\')) {
            const auto climbs = std::count(currentDir.begin() + static_cast<std::ptrdiff_t>(end),
                                           currentDir.end(), '\\');
            std::string relative;
            for (std::ptrdiff_t i = 0; i < climbs; ++i)
                relative += "..\\";
            return relative + chosen.substr(end + 1);
        }
        if (end == 0)
            return {};
        end = folder.rfind('\\', end - 1);
        if (end == std::string::npos)
            return {};
    }
}

} // namespace

std::string ShortenBrowsedPath(const std::string& currentDirectory, const std::string& chosen) {
    const std::string currentDir =
        Utf8Length(currentDirectory) <= BrowsePathLimit ? currentDirectory : std::string();
    if (!currentDir.empty() && StartsWith(chosen, currentDir + '\\'))
        return chosen.substr(currentDir.size() + 1);

    std::string relative = currentDir.empty() ? std::string() : RelativeForm(currentDir, chosen);
    if (Utf8Length(relative) > BrowsePathLimit)
        relative.clear();

    // Same drive: the drive letter and colon can go.
    const std::string folder = chosen.substr(0, std::min(chosen.rfind('\\'), chosen.size()));
    const bool sameDrive = !currentDir.empty() && !folder.empty() && currentDir[0] == folder[0];
    const std::string absolute = sameDrive && chosen.size() >= 2 ? chosen.substr(2) : chosen;

    // Paths are UTF-8: lengths count characters.
    if (!relative.empty() && Utf8Length(relative) < Utf8Length(absolute))
        return relative;
    return absolute;
}
