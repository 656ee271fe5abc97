# The worlds as scene/WorldTable.h lists them, for the texts the build makes from it (the manual
# page, the Windows install notes). A cross build cannot run a program of its own to ask, so the
# rows are read from the header itself; a row this cannot read stops the configure, and a test
# (WorldTable.TheBuildReadsEveryRowWithTheNamesCompiledHere) holds what it reads to the compiled table.
set(world_table ${PROJECT_SOURCE_DIR}/scene/WorldTable.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${world_table})
file(STRINGS ${world_table} world_rows REGEX "^[ \t]*\\{WorldKind::")
set(CASCADIUM_WORLD_SHORT_NAMES "")
set(CASCADIUM_WORLD_NAMES "")
foreach(world_row IN LISTS world_rows)
  if(NOT world_row MATCHES "^[ \t]*\\{WorldKind::[A-Za-z]+, \"([a-z]+)\", \"([^\"]+)\", &[A-Za-z]+\\},$")
    message(FATAL_ERROR "${world_table}: a world's row that the build cannot read:\n${world_row}")
  endif()
  list(APPEND CASCADIUM_WORLD_SHORT_NAMES "${CMAKE_MATCH_1}")
  list(APPEND CASCADIUM_WORLD_NAMES "${CMAKE_MATCH_2}")
endforeach()
list(LENGTH CASCADIUM_WORLD_NAMES world_count)

# "A, B or C": the items in order, each between BEFORE and AFTER.
function(cascadium_choices out before after)
  list(LENGTH ARGN count)
  set(text "")
  set(i 0)
  foreach(item IN LISTS ARGN)
    math(EXPR i "${i} + 1")
    if(i GREATER 1 AND i EQUAL count)
      string(APPEND text " or ")
    elseif(i GREATER 1)
      string(APPEND text ", ")
    endif()
    string(APPEND text "${before}${item}${after}")
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# What the texts say: how many worlds, in words as prose writes small numbers.
set(number_words one two three four five six seven eight nine ten eleven twelve)
if(world_count GREATER 12)
  set(CASCADIUM_WORLD_COUNT_WORD ${world_count})
else()
  math(EXPR last "${world_count} - 1")
  list(GET number_words ${last} CASCADIUM_WORLD_COUNT_WORD)
endif()
# The manual page's roff: the --world names in bold, the display names in typographic quotes,
# the digit keys (one a world, from 1) in bold.
cascadium_choices(CASCADIUM_MAN_WORLD_CHOICES "\\fB" "\\fP" ${CASCADIUM_WORLD_SHORT_NAMES})
cascadium_choices(CASCADIUM_MAN_WORLD_NAMES "\\(lq" "\\(rq" ${CASCADIUM_WORLD_NAMES})
set(keys "")
foreach(key RANGE 1 ${world_count})
  list(APPEND keys ${key})
endforeach()
list(JOIN keys "\\fR, \\fB" CASCADIUM_MAN_WORLD_KEYS)
# The install notes' plain text.
cascadium_choices(CASCADIUM_INSTALL_WORLD_NAMES "\"" "\"" ${CASCADIUM_WORLD_NAMES})
