#pragma once

#include <string>

// The message that the settings cannot be saved.

inline constexpr const char* SettingsNotSavedCaption = "Settings Not Saved";

// Names the settings file at `path` (UTF-8), what is lost, and what to do.
std::string SettingsNotSavedText(const std::string& path);
