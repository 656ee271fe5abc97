# make-icon draws the program's icon (tools/make-icon.cpp) and must run on the build host: a cross
# build (Windows, WebAssembly) compiles it with the host's own compiler and zlib, otherwise it is
# the ordinary tools/ target. Sets `out_var` to what a custom command runs and depends on.
function(cascadium_make_icon_tool out_var)
  if(NOT CMAKE_CROSSCOMPILING)
    set(${out_var} make-icon PARENT_SCOPE)
    return()
  endif()
  find_program(CASCADIUM_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
  set(sources ${PROJECT_SOURCE_DIR}/tools/make-icon.cpp ${PROJECT_SOURCE_DIR}/tools/PngFile.cpp)
  set(tool ${CMAKE_CURRENT_BINARY_DIR}/make-icon-host)
  add_custom_command(
    OUTPUT ${tool}
    COMMAND ${CASCADIUM_HOST_CXX} -std=c++17 -O2 -I${PROJECT_SOURCE_DIR} -o ${tool} ${sources} -lz
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/tools/PngFile.h
    COMMENT "Building the icon generator for the build host")
  set(${out_var} ${tool} PARENT_SCOPE)
endfunction()
