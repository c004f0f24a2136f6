#include "tests/support/data_file.h"

#include <filesystem>

namespace {

std::string SourceFile(const std::filesystem::path& relative) {
    const std::filesystem::path data =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / relative;
#ifdef _WIN32
    // Wine shows the build machine's root as drive Z:.
    return "Z:" + data.generic_string();
#else
    return data.string();
#endif
}

} // namespace

std::string DataFile(const std::string& name) {
    return SourceFile(std::filesystem::path("tests") / "data" / name);
}

std::string ExampleFile(const std::string& name) {
    return SourceFile(std::filesystem::path("examples") / name);
}
