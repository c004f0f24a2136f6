#include "tests/support/data_file.h"

#include <filesystem>

std::string DataFile(const std::string& name) {
    const std::filesystem::path data =
        std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / name;
#ifdef _WIN32
    // Wine shows the build machine's root as drive Z:.
    return "Z:" + data.generic_string();
#else
    return data.string();
#endif
}
