#pragma once

#include <ostream>

// vocorix-table's command line: parses it, runs the command and returns the exit status
// (0 done, 1 bad input or a file problem, 2 a wrong command line).
int RunTableTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
