#pragma once

#include <string>

// The file the program is given on its command line (a file dropped onto its icon, "Open with",
// a shortcut): the first argument, in UTF-8, however it is named; empty when there is none.
std::string StartFileOf(const wchar_t* commandLine);
