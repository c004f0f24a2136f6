#pragma once

#include "framework/application.h"

// The program's application object: its main window is the drill window.
class TVocorixApp : public TApplication {
public:
    explicit TVocorixApp(const char* name = "") : TApplication(name) {}

protected:
    void InitMainWindow() override;
};
