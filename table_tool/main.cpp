#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "table_tool/table_tool.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    // The exported CSV ends its lines in CRLF itself; text mode would make that CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return RunTableTool(argc, argv, std::cout, std::cerr);
}
