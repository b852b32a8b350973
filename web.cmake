# The browser's build (emcmake cmake --preset web): the engine compiled to WebAssembly by
# emscripten, and its tests run by node.
include(CTest)

# At -O2 emcc runs a JavaScript optimiser that needs Debian's acorn, where node does not look.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# The tests' emulator. emcmake's flag for node is one that node 20 refuses; without fetch, the
# generated loader reads the .wasm from disk, as node needs.
find_program(COLLATZ_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${COLLATZ_NODE} --no-experimental-fetch)

add_subdirectory(engine)
add_subdirectory(tests)
