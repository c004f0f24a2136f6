#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// The built program beside the tests' build folder, as a path of this build.
std::filesystem::path BuiltProgram(const char* folder, const char* file) {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path().parent_path() / folder / file;
}

// The text of a program file's manifest (resource type 24, id 1); empty when it has none.
std::string Manifest(const std::filesystem::path& program) {
    const HMODULE module =
        LoadLibraryExA(program.string().c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr)
        return "";
    std::string text;
    if (const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        const HGLOBAL data = LoadResource(module, resource);
        const auto* bytes = static_cast<const char*>(LockResource(data));
        if (bytes != nullptr)
            text.assign(bytes, SizeofResource(module, resource));
    }
    FreeLibrary(module);
    return text;
}

} // namespace

// Both programs say which systems they are made for and that they scale themselves per
// monitor; neither switches the control look or the code page.
TEST(Manifest, BothProgramsCarryIt) {
    for (const auto& program :
         {BuiltProgram("app", "vocorix.exe"), BuiltProgram("table_tool", "vocorix-table.exe")}) {
        const std::string manifest = Manifest(program);
        ASSERT_FALSE(manifest.empty()) << program.string();
        for (const char* os : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
                               "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
                               "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
                               "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) // 10 and 11
            EXPECT_NE(manifest.find(os), std::string::npos) << program.string() << " " << os;
        EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos) << program.string();
        EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos)
            << program.string();
        EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos) << program.string();
        EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos) << program.string();
    }
}
