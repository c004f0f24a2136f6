#pragma once

#include <string>

// Pictures for the documentation. When the environment variable VOCORIX_SCREENSHOTS names a
// folder, saves what the screen shows as <folder>/<name>.bmp (scripts/screenshots.sh crops it
// to the windows and makes a PNG of it); otherwise does nothing.
void SaveScreenshot(const std::string& name);
