# Compile and link options of the Windows program, for MinGW-w64 GCC (cross or
# on Windows itself): one self-contained, small, hardened exe whose bytes
# depend only on the sources, not on the build directory or the time.
add_compile_options(-ffunction-sections -fdata-sections
                    -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                    -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
# One thread and no exceptions: platform/mingw/lean_runtime.cpp keeps the static C++
# runtime's exception support out of the exe.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions> $<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>
                    $<$<COMPILE_LANGUAGE:CXX>:-fno-threadsafe-statics>)
# 32-bit code needs no unwind tables without exceptions (longjmp there walks
# the SEH chain); 64-bit longjmp unwinds through them, so they stay.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_compile_options(-fno-asynchronous-unwind-tables)
endif()
add_link_options(
  -static -static-libgcc -static-libstdc++  # only system DLLs are imported
  -Wl,--gc-sections -s        # only what is reached, no symbols
  -Wl,--no-insert-timestamp   # reproducible: no link time in the headers
  -Wl,--dynamicbase -Wl,--nxcompat)  # ASLR and DEP
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(-Wl,--high-entropy-va)
endif()

# The program's entry, WinMain, lives in the application library; the C
# runtime's start-up code that calls it comes last on the link line, after
# that library was searched, so the linker is told to look for it up front.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_link_options(-Wl,--undefined=_WinMain@16)  # stdcall name decoration
else()
  add_link_options(-Wl,--undefined=WinMain)
endif()

# Import only what the program calls, not CMake's default list of DLLs.
set(CMAKE_C_STANDARD_LIBRARIES "")
set(CMAKE_CXX_STANDARD_LIBRARIES "")
