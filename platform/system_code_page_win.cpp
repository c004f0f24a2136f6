#include "platform/system_code_page.h"

// The one kernel call needed here; declared rather than pulling all of <windows.h> into the core.
extern "C" __declspec(dllimport) unsigned int __stdcall GetACP();

uint32_t PlatformCodePage() {
    return GetACP();
}
