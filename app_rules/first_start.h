#pragma once

#include <string>

// The release keeps the files a learner changes (the settings file and the sample table) in a
// folder of their own beside the program, so that unpacking a newer release over an older one
// never replaces them: a start without a settings file copies them beside the program.

inline constexpr const char* FirstStartFolder = "first-start";

// When there is no settings file at `settingsPath`: the first-start folder's settings file
// becomes it, and its sample table goes beside the program. A file that is there already is
// never replaced; a file that cannot be copied is left out (the start then goes on as without
// it).
void PutFirstStartFiles(const std::string& settingsPath);
