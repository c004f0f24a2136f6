#include <windows.h>

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
    TVocorixApp app("", ProgramFile());
    return app.Run();
}
