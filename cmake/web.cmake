# The browser's build (emcmake cmake --preset web): the engine compiled to WebAssembly by
# emscripten, its tests run by node, and the page around it in build/web/site. The icons and the
# chimes come from the build machine's own tools, in a native build of this project
# (COLLATZ_HOST_TOOLS), as for Windows.
include(CTest)

# At -O2 emcc runs a JavaScript optimiser that needs Debian's acorn, where node does not look.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# The emulator of build steps and tests. emcmake's flag for node is one that node 20 refuses;
# without fetch, the generated loader reads the .wasm from disk, as node needs.
find_program(COLLATZ_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${COLLATZ_NODE} --no-experimental-fetch)

add_subdirectory(engine)
add_subdirectory(design)
add_subdirectory(tools)
add_subdirectory(docs)
add_subdirectory(web)
add_subdirectory(tests)
