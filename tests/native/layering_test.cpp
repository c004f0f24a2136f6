#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

// The portable folders depend one way, down: a folder includes its own files and those of the
// floors below it, never a sibling's, a higher floor's or the Windows side's.

namespace {

namespace fs = std::filesystem;

fs::path SourceRoot() {
    const fs::path root = fs::path(__FILE__).parent_path().parent_path().parent_path();
#ifdef _WIN32
    // Wine shows the build machine's root as drive Z:.
    return fs::path("Z:" + root.generic_string());
#else
    return root;
#endif
}

TEST(Layering, EveryPortableFolderIncludesOnlyItselfAndTheFloorsBelow) {
    const std::map<std::string, int> floors = {
        {"platform", 0},   {"settings", 1},     {"database", 2},  {"answer", 2},
        {"table_tool", 3}, {"dialog_rules", 3}, {"app_rules", 3},
    };
    const std::regex include(R"(^\s*#\s*include\s*"([a-z_]+)/)");
    size_t files = 0;
    for (const auto& [folder, floor] : floors) {
        for (const fs::directory_entry& entry : fs::directory_iterator(SourceRoot() / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".h" && extension != ".cpp")
                continue;
            ++files;
            std::ifstream source(entry.path());
            std::string line;
            std::smatch match;
            while (std::getline(source, line)) {
                if (!std::regex_search(line, match, include))
                    continue;
                const auto used = floors.find(match[1].str());
                const bool allowed =
                    used != floors.end() && (used->first == folder || used->second < floor);
                EXPECT_TRUE(allowed) << entry.path().generic_string() << ": " << line;
            }
        }
    }
    EXPECT_GT(files, 100u) << "the sources were found at " << SourceRoot();
}

} // namespace
