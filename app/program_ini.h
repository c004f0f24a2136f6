#pragma once

#include "settings/ini_file.h"

// The program's initialization file, beside the program file; made during static
// initialization and handed to the drill window.
extern TIniFile IniFile;
