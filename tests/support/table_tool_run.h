#pragma once

#include <string>
#include <vector>

// One run of vocorix-table in this process.
struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the tool with these arguments (without the program name).
ToolRun RunTool(const std::vector<std::string>& arguments);
