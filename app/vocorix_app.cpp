#include "app/vocorix_app.h"

#include <memory>

#include "app/program_ini.h"
#include "app/vocorix_dlg.h"
#include "framework/instance.h"
#include "resources/ids.h"

void TVocorixApp::InitMainWindow() {
    SetMainWindow(std::make_unique<TVocorixDlg>(nullptr, IniFile));
    GetMainWindow()->SetIcon(ModuleInstance(), IDI_VOCORIX);
}
