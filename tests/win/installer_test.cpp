#include <gtest/gtest.h>

#include <windows.h>

#include <msi.h>
#include <msiquery.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "resources/ids.h"
#include "tests/support/temp_dir.h"

// The Windows installer as a learner meets it, in a prefix of its own that the test suite makes
// fresh: VOCORIX_MSI names the installer, VOCORIX_MSI_NEXT one of a later version. Skipped
// where they are not given.

namespace {

constexpr wchar_t UpgradeCode[] = L"{CA3E25A6-14DD-420F-94C7-1491517CD792}";

// Runs a command line to its end; its exit code, or -1 when it could not start or hung.
DWORD RunToEnd(std::wstring command, DWORD limitMs = 120000) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return static_cast<DWORD>(-1);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, limitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

std::string Known(int folder) {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path);
    return Utf16ToUtf8(path);
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(Utf8ToUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool HasOpenWith(const wchar_t* extension) {
    const std::wstring key =
        std::wstring(L"Software\\Classes\\") + extension + L"\\OpenWithProgids";
    return RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"Vocorix.WordList", RRF_RT_ANY, nullptr,
                        nullptr, nullptr) == ERROR_SUCCESS;
}

std::wstring ProductInfo(const wchar_t* product, const wchar_t* property) {
    wchar_t value[128] = L"";
    DWORD size = 128;
    MsiGetProductInfoW(product, property, value, &size);
    return value;
}

// The installed products of the upgrade code, with their versions.
std::vector<std::wstring> InstalledVersions() {
    std::vector<std::wstring> versions;
    wchar_t product[39];
    for (DWORD i = 0; MsiEnumRelatedProductsW(UpgradeCode, 0, i, product) == ERROR_SUCCESS; ++i) {
        versions.push_back(ProductInfo(product, INSTALLPROPERTY_VERSIONSTRING));
        // What Installed apps shows of it.
        EXPECT_EQ(ProductInfo(product, INSTALLPROPERTY_INSTALLEDPRODUCTNAME), L"Vocorix");
        EXPECT_EQ(ProductInfo(product, INSTALLPROPERTY_PUBLISHER), L"Vocorix");
    }
    return versions;
}

struct TFoundWindow {
    DWORD process;
    HWND window;
    std::string seen; // the titles of the program's windows, for a failure's message
};

// The installed program's drill window: it opens on the sample; the learner presses Ready on
// empty boxes (a wrong answer is recorded as well as a right one) and closes the window.
// Empty when done, else what went wrong.
std::string DrillOnce(const std::string& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + Utf8ToUtf16(program) + L"\"";
    // In the program's folder, as the Start menu's shortcut starts it.
    const std::wstring folder = Utf8ToUtf16(program.substr(0, program.rfind('\\')));
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return "cannot start " + program;
    TFoundWindow found{process.dwProcessId, nullptr, {}};
    for (int tries = 0; tries < 300 && found.window == nullptr; ++tries) {
        Sleep(100);
        found.seen.clear();
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto& found = *reinterpret_cast<TFoundWindow*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                wchar_t title[32] = L"";
                GetWindowTextW(window, title, 32);
                if (owner != found.process || !IsWindowVisible(window))
                    return TRUE;
                if (std::wstring(title) != L"Vocorix") {
                    found.seen += " \"" + Utf16ToUtf8(title) + "\"";
                    return TRUE;
                }
                found.window = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
    }
    bool closed = false;
    if (found.window != nullptr) {
        SendMessageTimeoutW(found.window, WM_COMMAND, CM_READY, 0, SMTO_NORMAL, 10000, nullptr);
        PostMessageW(found.window, WM_CLOSE, 0, 0);
        closed = WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
    }
    if (!closed)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (found.window == nullptr)
        return "no drill window; its windows:" + found.seen;
    return closed ? "" : "the program did not end after WM_CLOSE";
}

} // namespace

TEST(Installer, InstallsPerUserDrillsUpgradesAndUninstallsKeepingTheLearnersFiles) {
    const char* msi = std::getenv("VOCORIX_MSI");
    const char* next = std::getenv("VOCORIX_MSI_NEXT");
    if (msi == nullptr || next == nullptr)
        GTEST_SKIP() << "VOCORIX_MSI and VOCORIX_MSI_NEXT name the installers";
    const std::string folder = Known(CSIDL_LOCAL_APPDATA) + "\\Programs\\Vocorix\\";
    const std::string shortcut = Known(CSIDL_PROGRAMS) + "\\Vocorix.lnk";
    {
        MSIHANDLE summary = 0;
        ASSERT_EQ(MsiGetSummaryInformationW(0, Utf8ToUtf16(msi).c_str(), 0, &summary),
                  static_cast<UINT>(ERROR_SUCCESS));
        INT wordCount = 0;
        UINT type = 0;
        MsiSummaryInfoGetPropertyW(summary, PIDSI_WORDCOUNT, &type, &wordCount, nullptr, nullptr,
                                   nullptr);
        MsiCloseHandle(summary);
        EXPECT_EQ(wordCount & 8, 8)
            << "no administrator rights asked for; word count " << wordCount;
    }

    ASSERT_EQ(RunToEnd(L"msiexec /i \"" + Utf8ToUtf16(msi) + L"\" /qn"), 0u);
    for (const char* file : {"vocorix.exe", "vocorix-table.exe", "vocorix-help.html", "README.txt",
                             "first-start\\vocorix.INI", "first-start\\vocabulary.dbf"})
        EXPECT_TRUE(Exists(folder + file)) << file;
    EXPECT_TRUE(Exists(shortcut));
    for (const wchar_t* extension : {L".csv", L".tsv", L".dbf"})
        EXPECT_TRUE(HasOpenWith(extension)) << Utf16ToUtf8(extension);
    EXPECT_NE(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Classes\\.csv", nullptr, RRF_RT_ANY,
                           nullptr, nullptr, nullptr),
              ERROR_SUCCESS)
        << "no file type's default program is taken";
    ASSERT_EQ(InstalledVersions(), std::vector<std::wstring>{L"1.0.0"});

    // The first start puts the learner's settings and table beside the program; a drill
    // records its answer in that table.
    ASSERT_EQ(DrillOnce(folder + "vocorix.exe"), "");
    const std::string sample = ReadFileBytes(folder + "first-start\\vocabulary.dbf");
    const std::string drilled = ReadFileBytes(folder + "vocabulary.dbf");
    const std::string settings = ReadFileBytes(folder + "vocorix.INI");
    EXPECT_EQ(drilled.size(), sample.size());
    EXPECT_NE(drilled, sample) << "the answer is recorded";
    EXPECT_NE(settings.find("File Name=vocabulary.dbf"), std::string::npos) << settings;

    // A later version replaces the programs and leaves the learner's files alone.
    ASSERT_EQ(RunToEnd(L"msiexec /i \"" + Utf8ToUtf16(next) + L"\" /qn"), 0u);
    EXPECT_EQ(InstalledVersions(), std::vector<std::wstring>{L"1.0.1"});
    EXPECT_TRUE(Exists(folder + "vocorix.exe"));
    EXPECT_EQ(ReadFileBytes(folder + "vocabulary.dbf"), drilled);
    EXPECT_EQ(ReadFileBytes(folder + "vocorix.INI"), settings);

    ASSERT_EQ(RunToEnd(L"msiexec /x \"" + Utf8ToUtf16(next) + L"\" /qn"), 0u);
    EXPECT_TRUE(InstalledVersions().empty());
    for (const char* file :
         {"vocorix.exe", "vocorix-table.exe", "vocorix-help.html", "README.txt", "first-start"})
        EXPECT_FALSE(Exists(folder + file)) << file;
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_FALSE(HasOpenWith(L".csv"));
    EXPECT_EQ(ReadFileBytes(folder + "vocabulary.dbf"), drilled);
    EXPECT_EQ(ReadFileBytes(folder + "vocorix.INI"), settings);
}
