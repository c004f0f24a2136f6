#include "framework/system_menu.h"

bool TSystemMenu::SetItemText(uint32_t command, const char* text) {
    return ModifyMenuA(menu_, command, MF_BYCOMMAND | MF_STRING, command, text) != FALSE;
}

bool TSystemMenu::DeleteItem(uint32_t command) {
    return DeleteMenu(menu_, command, MF_BYCOMMAND) != FALSE;
}

bool TSystemMenu::AppendItem(uint32_t command, const char* text) {
    return AppendMenuA(menu_, MF_STRING, command, text) != FALSE;
}

bool TSystemMenu::AppendSeparator() {
    return AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr) != FALSE;
}

std::string TSystemMenu::GetItemText(uint32_t command) const {
    char text[256] = "";
    GetMenuStringA(menu_, command, text, sizeof text, MF_BYCOMMAND);
    return text;
}

bool TSystemMenu::HasItem(uint32_t command) const {
    return GetMenuState(menu_, command, MF_BYCOMMAND) != static_cast<UINT>(-1);
}
