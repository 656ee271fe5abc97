# The shells: each shows the portable core (scene/, render/, toy/) on one platform, from folders
# of its own, and makes one program, the target cascadium-<shell>. One line per shell: the system
# that builds it (CMAKE_SYSTEM_NAME), then its folders in build order. The top CMakeLists.txt
# builds every shell of the system at hand (Linux has two: X11 and Wayland); the layering check keeps each shell out of every other's
# folders; the packaging and the tests follow the program's target.
set(CASCADIUM_SHELLS win x11 wayland web)
set(CASCADIUM_SHELL_win Windows settings res ui app installer)
set(CASCADIUM_SHELL_x11 Linux x11)
set(CASCADIUM_SHELL_wayland Linux wayland)
set(CASCADIUM_SHELL_web Emscripten web)
