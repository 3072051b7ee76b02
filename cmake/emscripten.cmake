# WebAssembly with Debian's Emscripten (package emscripten), which works
# offline from its prebuilt system libraries. long double is not the x87
# format there, so the report is computed in the software extended type.
# Programs run under Node (emcmake's --experimental-wasm-threads is refused
# by current Node versions, so the plain one is named here).
set(CMAKE_CROSSCOMPILING_EMULATOR node)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# Optimised links run Emscripten's JavaScript optimiser, which needs Debian's
# acorn also when the node on PATH is not Debian's.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# The page carries the engine: built for size (MinSizeRel's -Os), it is
# optimised as one program at its link (link-time optimisation, and
# Emscripten's -Oz), which leaves some 7 KB of the page out; no code of it
# throws or asks a type at run time, so it goes without exceptions and
# run-time type information (some 2 KB).
set(CMAKE_CXX_FLAGS_MINSIZEREL_INIT "-flto -fno-exceptions -fno-rtti")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-Oz -flto")
