#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app_rules/help_page.h"

// Shows the program's help for a window: the help engine's file when it lies beside the program
// and the engine shows it, else the help page in the browser at the topic's section, else a
// message box that says where the help is.
void ShowHelp(HWND owner, THelpTopic topic);

// What showing the help asks of the system, every path in UTF-8. Real by default; tests replace
// it, so that no help engine or browser starts.
struct THelpShell {
    // The folder the help files are looked for in.
    std::function<std::string()> folder;
    // Shows the help engine's file at its contents; whether it could.
    std::function<bool(HWND owner, const std::string& file)> showHelpFile;
    // Opens a file URL with its section in the browser; whether it could.
    std::function<bool(HWND owner, const std::string& url)> openPage;
};

// The shell in use until the scope ends.
class TScopedHelpShell {
public:
    explicit TScopedHelpShell(THelpShell shell);
    ~TScopedHelpShell();
    TScopedHelpShell(const TScopedHelpShell&) = delete;
    TScopedHelpShell& operator=(const TScopedHelpShell&) = delete;

private:
    THelpShell previous_;
};
