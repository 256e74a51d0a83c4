# Cross-compiling for x86_64-w64-mingw32 with Debian's mingw-w64 toolchain.
set(LANXIU_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
