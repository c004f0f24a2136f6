#include <windows.h>

#include "app/vocorix_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TVocorixApp app("");
    return app.Run();
}
