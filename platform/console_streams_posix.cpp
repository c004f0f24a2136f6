#include "platform/console_streams.h"

#include <iostream>

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::ostream& ConsoleOut() {
    return std::cout;
}

std::ostream& ConsoleErr() {
    return std::cerr;
}
