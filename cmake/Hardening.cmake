# The hardening Debian builds its packages with (dpkg-buildflags with hardening=+all): a stack
# protector, the fortified C library calls, position-independent code, relocations read-only
# after start-up and every symbol bound then. Mirrored here rather than read from dpkg-buildflags
# at configure time, so that the program is built alike on every machine, dpkg-dev or not, and
# whatever DEB_BUILD_* the builder's environment holds. Only flags that leave the arithmetic
# alone: pictures, traces and timings stay the same. Sanitizer builds go without: their checks
# cover the same ground, and the fortified calls hide errors from them.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  set(hardening_default OFF)
else()
  set(hardening_default ON)
endif()
option(CASCADIUM_HARDENING "Build with Debian's hardening flags" ${hardening_default})
if(NOT CASCADIUM_HARDENING)
  return()
endif()

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# The fortified calls need the optimiser; a debug build would only warn.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
