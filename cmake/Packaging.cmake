# What `cmake --install` puts in place and what CPack's `package` target packs, for the program
# of this system's shell (cmake/Shells.cmake). Included at the end of the top-level
# CMakeLists.txt, once every target exists.
set(program cascadium-${CASCADIUM_SHELL})
if(NOT TARGET ${program})
  return()
endif()
set(CPACK_PACKAGE_NAME cascadium)
set(CPACK_PACKAGE_VERSION ${CASCADIUM_VERSION_TEXT})

if(CASCADIUM_SHELL STREQUAL win)
  # `cmake --build --preset win32 --target package` (likewise win64): a zip of the screen saver
  # with its install notes and its checksum, cascadium-<version>-<target>.zip. Windows' own
  # tools read the notes best with CRLF line ends.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CASCADIUM_TARGET win64)
  else()
    set(CASCADIUM_TARGET win32)
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/res/INSTALL.txt.in ${CMAKE_BINARY_DIR}/package/INSTALL.txt @ONLY
                 NEWLINE_STYLE CRLF)
  install(TARGETS ${program} RUNTIME DESTINATION .)
  install(FILES ${CMAKE_BINARY_DIR}/package/INSTALL.txt DESTINATION .)
  # The checksum of the program as installed, beside it.
  install(CODE "execute_process(COMMAND \"${CMAKE_COMMAND}\"
                  -DFILE=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/$<TARGET_FILE_NAME:${program}>
                  -DOUT=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/SHA256SUMS
                  -P \"${PROJECT_SOURCE_DIR}/cmake/Checksum.cmake\" COMMAND_ERROR_IS_FATAL ANY)")
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME cascadium-${CASCADIUM_VERSION_TEXT}-${CASCADIUM_TARGET})
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  include(CPack)
elseif(CASCADIUM_SHELL STREQUAL x11)
  # `cpack` in the build tree: a Debian package of the X11 program, installed where
  # xscreensaver looks for its hacks and their settings descriptions, and of the Wayland
  # program when it is built, which users and idle daemons start by name.
  install(TARGETS ${program} RUNTIME DESTINATION libexec/xscreensaver)
  if(TARGET cascadium-wayland)
    install(TARGETS cascadium-wayland RUNTIME DESTINATION bin)
  endif()
  install(FILES ${PROJECT_SOURCE_DIR}/x11/cascadium.xml DESTINATION share/xscreensaver/config)
  include(${CMAKE_CURRENT_LIST_DIR}/PackageDocs.cmake)
  set(CPACK_GENERATOR DEB)
  # Debian ships programs without their debugging symbols.
  set(CPACK_STRIP_FILES ON)
  set(CPACK_CASCADIUM_OBJCOPY ${CMAKE_OBJCOPY})
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianStrip.cmake)
  set(CPACK_PACKAGE_VENDOR Zantrel)
  set(CPACK_PACKAGE_CONTACT "Zantrel")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Two-dimensional physics worlds as an xscreensaver hack")
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "Grey objects fall, bounce, roll, pile up on shelves and vanish again, swing in\n a Newton's cradle or drop through a field of pins. Box2D physics.\n On Wayland desktops, cascadium-wayland shows them in a window, as a screen\n saver or as a live background.")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION x11)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_ENHANCES xscreensaver)
  include(CPack)
elseif(CASCADIUM_SHELL STREQUAL web)
  # `cmake --build --preset web --target package`: the page's folder (the page, and its
  # manifest, icons and service worker for a server) as cascadium-<version>-web.zip, to open
  # from disk or put on any static server.
  list(TRANSFORM CASCADIUM_PAGE_FILES PREPEND $<TARGET_FILE_DIR:${program}>/ OUTPUT_VARIABLE page_files)
  install(FILES ${page_files} DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME cascadium-${CASCADIUM_VERSION_TEXT}-web)
  include(CPack)
endif()
