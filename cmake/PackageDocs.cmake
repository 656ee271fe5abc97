# What goes with the X11 program (and the Wayland program's page), as Debian ships it with every xscreensaver hack: its manual
# page, its copyright file and changelog in the machine-readable formats Debian reads, and the
# explained lintian overrides. Included from Packaging.cmake, so `cmake --install` and the
# Debian package put the same files in place. Compressed as dh_compress does (gzip -9n: best
# compression and no time stamp, so the same sources give the same bytes).
set(CASCADIUM_DOCS_DIR ${CMAKE_BINARY_DIR}/package/docs)
configure_file(${PROJECT_SOURCE_DIR}/x11/cascadium.6.in ${CASCADIUM_DOCS_DIR}/cascadium.6 @ONLY)
set(cascadium_pages ${CASCADIUM_DOCS_DIR}/cascadium.6)
# The Wayland program, when it is built, has its own page beside it.
if(TARGET cascadium-wayland)
  configure_file(${PROJECT_SOURCE_DIR}/wayland/cascadium-wayland.6.in ${CASCADIUM_DOCS_DIR}/cascadium-wayland.6 @ONLY)
  list(APPEND cascadium_pages ${CASCADIUM_DOCS_DIR}/cascadium-wayland.6)
endif()

set(cascadium_compressed)
foreach(source ${cascadium_pages} ${PROJECT_SOURCE_DIR}/x11/debian/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${CASCADIUM_DOCS_DIR}/${name}.gz
                     COMMAND gzip -9n -c ${source} > ${CASCADIUM_DOCS_DIR}/${name}.gz
                     DEPENDS ${source} VERBATIM)
  list(APPEND cascadium_compressed ${CASCADIUM_DOCS_DIR}/${name}.gz)
endforeach()
add_custom_target(cascadium-docs ALL DEPENDS ${cascadium_compressed})

list(TRANSFORM cascadium_pages APPEND .gz)
install(FILES ${cascadium_pages} DESTINATION share/man/man6)
install(FILES ${CASCADIUM_DOCS_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/x11/debian/copyright
        DESTINATION share/doc/cascadium)
install(FILES ${PROJECT_SOURCE_DIR}/x11/debian/lintian-overrides DESTINATION share/lintian/overrides
        RENAME cascadium)
