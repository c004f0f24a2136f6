#pragma once

#include <functional>
#include <ostream>

// vocorix-table's command line: parses it, runs the command and returns the exit status
// (0 done, 1 bad input, a file problem or too little memory, 2 a wrong command line).
int RunTableTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Runs a command and gives its status; a TToolError, or memory running out, is said on `err`
// and gives 1.
int RunReported(const std::function<int()>& command, std::ostream& err);
