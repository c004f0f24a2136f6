#include "tests/support/table_tool_run.h"

#include <sstream>

#include "table_tool/table_tool.h"

ToolRun RunTool(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv = {"vocorix-table"};
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    std::ostringstream out, err;
    const int status = RunTableTool(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}
