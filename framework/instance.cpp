#include "framework/instance.h"

HINSTANCE ModuleInstance() {
    return GetModuleHandleA(nullptr);
}
