#include <string>
#include <vector>

#include "platform/console_streams.h"
#include "table_tool/table_tool.h"

int main(int argc, char** argv) {
    // Paths and texts in UTF-8, whatever the system's code page.
    const std::vector<std::string> arguments = CommandLineArguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments)
        pointers.push_back(argument.c_str());
    const int status = RunTableTool(static_cast<int>(pointers.size()), pointers.data(),
                                    ConsoleOut(), ConsoleErr());
    ConsoleOut().flush();
    return status;
}
