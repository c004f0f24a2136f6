#include "app/vocorix_app.h"

#include <memory>

#include "app/vocorix_dlg.h"
#include "app_rules/first_start.h"
#include "dialogs/given_file.h"
#include "framework/instance.h"
#include "resources/ids.h"

TVocorixApp::TVocorixApp(const char* name, const std::string& programFile,
                         const std::string& startFile)
    : TApplication(name), ini_(TIniFile::ForProgram(programFile)), startFile_(startFile) {}

TVocorixApp::~TVocorixApp() {
    SetMainWindow(nullptr);
}

void TVocorixApp::InitMainWindow() {
    PutFirstStartFiles(ini_.Path);
    // A file that gives no table leaves the start as without it.
    const std::string table = startFile_.empty() ? std::string() : TableToStartWith(startFile_);
    SetMainWindow(std::make_unique<TVocorixDlg>(nullptr, ini_, fonts_, OpenTableFile, table));
    GetMainWindow()->SetIcon(ModuleInstance(), IDI_VOCORIX);
}
