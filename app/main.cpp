#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/vocorix_app.h"

namespace {
std::string ProgramFile() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // A file dropped onto the program's icon, "Open with" and shortcuts give one argument.
    TVocorixApp app("", ProgramFile(), __argc > 1 ? __argv[1] : "");
    return app.Run();
}
