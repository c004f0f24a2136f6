#pragma once

#include <string>

#include "app/drill_fonts.h"
#include "framework/application.h"
#include "settings/ini_file.h"

// The program's application object: its main window is the drill window. It owns what that
// window and its dialogs are given: the settings file beside the program file and the fonts.
class TVocorixApp : public TApplication {
public:
    // `programFile`: the program's own path, whose settings file is used. `startFile`: a table
    // or word list to drill instead of the settings' table (the program's command line).
    TVocorixApp(const char* name, const std::string& programFile,
                const std::string& startFile = {});
    // The main window goes first: it writes its settings and uses the fonts to the end.
    ~TVocorixApp() override;

protected:
    void InitMainWindow() override;

private:
    // The table this start would drill: the given file's, else the settings'.
    std::string TableOfStart();

    TIniFile ini_;
    TDrillFonts fonts_;
    std::string startFile_;
};
