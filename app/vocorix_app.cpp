#include "app/vocorix_app.h"

#include <memory>

#include "app/vocorix_dlg.h"
#include "app_rules/first_start.h"
#include "dialogs/drill_claim.h"
#include "dialogs/given_file.h"
#include "framework/instance.h"
#include "resources/ids.h"

TVocorixApp::TVocorixApp(const char* name, const std::string& programFile,
                         const std::string& startFile)
    : TApplication(name), ini_(TIniFile::ForProgram(programFile)), startFile_(startFile) {}

TVocorixApp::~TVocorixApp() {
    SetMainWindow(nullptr);
}

std::string TVocorixApp::TableOfStart() {
    if (!startFile_.empty())
        if (std::string table = TableOfGivenFile(startFile_); !table.empty())
            return table;
    const TOptions settings(ini_);
    return settings.FileName.Text;
}

void TVocorixApp::InitMainWindow() {
    PutFirstStartFiles(ini_.Path);
    // One drill per table: a start on a table drilled already gives that drill its file, before
    // a list could rewrite the table under it.
    if (HandOverToDrillOf(TableOfStart(), startFile_)) {
        SetExitCodeWithoutWindow(0);
        return;
    }
    // A file that gives no table leaves the start as without it.
    const std::string table = startFile_.empty() ? std::string() : TableToStartWith(startFile_);
    auto window = std::make_unique<TVocorixDlg>(nullptr, ini_, fonts_, OpenTableFile, table);
    // Started twice at once: the start that claimed the table first drills it.
    if (!window->HoldsItsTable() && HandOverToDrillOf(window->DrilledTable(), startFile_)) {
        SetExitCodeWithoutWindow(0);
        return;
    }
    SetMainWindow(std::move(window));
    GetMainWindow()->SetIcon(ModuleInstance(), IDI_VOCORIX);
}
