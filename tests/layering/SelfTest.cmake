# The layering check run on tree/, where every file breaks a rule: each line that ends
# "// forbidden" must be reported, and nothing else. Run as a test:
#   cmake -DCHECK=<CheckLayering.cmake> -P SelfTest.cmake
cmake_minimum_required(VERSION 3.25)

set(tree "${CMAKE_CURRENT_LIST_DIR}/tree")
execute_process(COMMAND "${CMAKE_COMMAND}" "-DSOURCE_DIR=${tree}" -P "${CHECK}"
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(status EQUAL 0)
  message(FATAL_ERROR "the check passed a tree that breaks every rule:\n${report}")
endif()

file(GLOB_RECURSE files RELATIVE "${tree}" "${tree}/*.h")
set(missed "")
set(expected 0)
foreach(file IN LISTS files)
  file(STRINGS "${tree}/${file}" lines REGEX "// forbidden$")
  if(NOT lines)
    message(FATAL_ERROR "${file} breaks no rule: mark its forbidden include")
  endif()
  foreach(line IN LISTS lines)
    math(EXPR expected "${expected} + 1")
    string(FIND "${report}" "${file}: ${line}\n" at)
    if(at EQUAL -1)
      string(APPEND missed "  ${file}: ${line}\n")
    endif()
  endforeach()
endforeach()
if(missed)
  message(FATAL_ERROR "the check let these through:\n${missed}")
endif()

string(REGEX MATCHALL "[^\n]+: #[^\n]*" reported "${report}")
list(LENGTH reported count)
if(NOT count EQUAL expected)
  message(FATAL_ERROR "the check reported ${count} includes where ${expected} break a rule:\n${report}")
endif()
message(STATUS "layering self-test: all ${expected} forbidden includes reported")
