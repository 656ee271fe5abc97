# The portable part of start-up: reading the argument text.
# Built on every platform so that it is tested natively as well as linked into the program.
add_library(cascadium_startup STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
)
target_include_directories(cascadium_startup PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/ui)
target_link_libraries(cascadium_startup PUBLIC cascadium_scene)
