# 32-bit Linux build of the portable core and its tests, so that they run with the pointer and
# size_t widths of the 32-bit program that ships. Linked statically, so that qemu-i386 runs the
# tests without a 32-bit loader or libraries on the machine. The linker's warning about
# getaddrinfo comes from GoogleTest's result streaming, which the tests never use.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32 -static")
