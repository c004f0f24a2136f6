#pragma once

#include <windows.h>

#include <string>

#include "settings/ini_file.h"

// Tells the learner that the settings cannot be saved, in a message box; the settings file
// reports to it while it lives.
class TWinSaveReport : public TSaveProblemReport {
public:
    explicit TWinSaveReport(TIniFile& ini) : ini_(ini) { ini_.SetSaveReport(this); }
    ~TWinSaveReport() override { ini_.SetSaveReport(nullptr); }
    TWinSaveReport(const TWinSaveReport&) = delete;
    TWinSaveReport& operator=(const TWinSaveReport&) = delete;

    void CannotSave(const std::string& path) override;

    // The window the box is modal to; none before the drill window exists.
    HWND Owner = nullptr;

private:
    TIniFile& ini_;
};
