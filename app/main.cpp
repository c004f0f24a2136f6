#include <windows.h>

#include "app/command_line.h"
#include "app/vocorix_app.h"
#include "framework/program_file.h"
#include "platform/text_codec.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    TVocorixApp app("", Utf16ToUtf8(ProgramFile()), StartFileOf(GetCommandLineW()));
    return app.Run();
}
