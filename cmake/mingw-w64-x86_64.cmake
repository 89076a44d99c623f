# Cross-building the Windows programs on Debian with mingw-w64 (the POSIX
# thread model, for std::thread and std::mutex). The test programs run
# under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TORVO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TORVO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TORVO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TORVO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TORVO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One executable each, no runtime DLLs beside it; and no time stamp, which
# the linker would take from the clock, so that two builds of the same
# source give the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
# The runtime's static libraries bring their debugging sections along.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

find_program(TORVO_WINE wine)
if(TORVO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TORVO_WINE})
endif()
