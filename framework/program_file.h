#pragma once

#include <string>

// The running program's own file, however long its path, with every letter its folders have.
std::wstring ProgramFile();
