#include "framework/system_menu.h"

#include "platform/text_codec.h"

bool TSystemMenu::SetItemText(uint32_t command, const char* text) {
    return ModifyMenuW(menu_, command, MF_BYCOMMAND | MF_STRING, command,
                       Utf8ToUtf16(text).c_str()) != FALSE;
}

bool TSystemMenu::DeleteItem(uint32_t command) {
    return DeleteMenu(menu_, command, MF_BYCOMMAND) != FALSE;
}

bool TSystemMenu::AppendItem(uint32_t command, const char* text) {
    return AppendMenuW(menu_, MF_STRING, command, Utf8ToUtf16(text).c_str()) != FALSE;
}

bool TSystemMenu::AppendSeparator() {
    return AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr) != FALSE;
}

std::string TSystemMenu::GetItemText(uint32_t command) const {
    wchar_t text[256] = L"";
    GetMenuStringW(menu_, command, text, static_cast<int>(std::size(text)), MF_BYCOMMAND);
    return Utf16ToUtf8(text);
}

bool TSystemMenu::HasItem(uint32_t command) const {
    return GetMenuState(menu_, command, MF_BYCOMMAND) != static_cast<UINT>(-1);
}
