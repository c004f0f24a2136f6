#include "platform/system_code_page.h"

// Tables made here say their code page; one that does not is taken as Windows' most common.
uint32_t PlatformCodePage() {
    return 1252;
}
