# WebAssembly with Debian's emscripten; programs run under node (the tests) or in a browser.
# The emitted .js would load its .wasm with fetch(), which node cannot do from a path; node's
# own file reading takes over without it. Set first: the platform file keeps a given one.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/node --no-experimental-fetch)

# The presets add the prefix of the libraries built for it (Box2D, GoogleTest).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# emcc's JavaScript passes load acorn from Debian's node modules, which a node from another
# source does not search; the linker is where they run.
set(CMAKE_C_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(ENV{NODE_PATH} /usr/share/nodejs)

# pkg-config would report the host's libraries (Cairo, X11), which cannot link into wasm.
set(ENV{PKG_CONFIG_LIBDIR} ${EMSCRIPTEN_SYSROOT}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
