#include "settings/settings_messages.h"

std::string SettingsNotSavedText(const std::string& path) {
    return "Vocorix cannot save its settings in\r\n" + path +
           "\r\n\r\nThe table you chose, the window's place and text size and the options you "
           "change will be forgotten when Vocorix ends.\r\n\r\nMove the Vocorix folder into a "
           "folder of your own, such as Documents, and start vocorix.exe from there. If the "
           "settings file is marked read-only, clear \"Read-only\" in its Properties.";
}
