#include "app/vocorix_app.h"

#include <memory>

#include "app/vocorix_dlg.h"
#include "framework/instance.h"
#include "resources/ids.h"

TVocorixApp::TVocorixApp(const char* name, const std::string& programFile)
    : TApplication(name), ini_(TIniFile::ForProgram(programFile)) {}

TVocorixApp::~TVocorixApp() {
    SetMainWindow(nullptr);
}

void TVocorixApp::InitMainWindow() {
    SetMainWindow(std::make_unique<TVocorixDlg>(nullptr, ini_, fonts_));
    GetMainWindow()->SetIcon(ModuleInstance(), IDI_VOCORIX);
}
