#include "app/save_report_win.h"

#include "platform/text_codec.h"
#include "settings/settings_messages.h"

void TWinSaveReport::CannotSave(const std::string& path) {
    MessageBoxW(Owner, Utf8ToUtf16(SettingsNotSavedText(path)).c_str(),
                Utf8ToUtf16(SettingsNotSavedCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}
