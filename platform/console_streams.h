#pragma once

#include <ostream>
#include <string>
#include <vector>

// A console program's command line and output in UTF-8, whatever the system's code page. On
// Windows the arguments come from the UTF-16 command line; what is written goes to a console
// as UTF-16, so that every script shows, and to a file or pipe as the UTF-8 bytes.

std::vector<std::string> CommandLineArguments(int argc, char** argv);
std::ostream& ConsoleOut();
std::ostream& ConsoleErr();
