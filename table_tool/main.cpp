#include <iostream>

#include "table_tool/table_tool.h"

int main(int argc, char** argv) {
    return RunTableTool(argc, argv, std::cout, std::cerr);
}
