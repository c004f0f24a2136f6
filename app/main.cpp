#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(nullptr, "Version 1.0", "Vocorix", MB_OK | MB_ICONINFORMATION);
    return 0;
}
