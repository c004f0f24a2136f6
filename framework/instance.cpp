#include "framework/instance.h"

HINSTANCE ModuleInstance() {
    return GetModuleHandleW(nullptr);
}
