# Run by cpack before it packs the Debian package: removes from the installed programs what
# Debian's own packaging strips besides the symbols, the compilers' .comment and .note sections.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/libexec/xscreensaver/*"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND "${CPACK_CASCADIUM_OBJCOPY}" --remove-section=.comment --remove-section=.note "${program}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
