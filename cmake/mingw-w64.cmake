# Shared part of the two Windows toolchain files. The including file sets
# LANXIU_TRIPLE and CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${LANXIU_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${LANXIU_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${LANXIU_TRIPLE}-windres)

# The static libjpeg that scripts/build-libjpeg-mingw.sh builds for this triple.
get_filename_component(LANXIU_THIRD_PARTY_PREFIX
                       "${CMAKE_CURRENT_LIST_DIR}/../build/third_party/${LANXIU_TRIPLE}" ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${LANXIU_TRIPLE} ${LANXIU_THIRD_PARTY_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
