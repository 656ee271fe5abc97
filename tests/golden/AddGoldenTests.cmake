# Run by CTest as it reads the tests: one Golden test per world that `cascadium-sim
# --list-worlds` names and per recorded seed and start time. The including file sets sim,
# same_pixels, recordings, and own_recordings (a folder whose recordings stand in for the
# native ones, or empty).
execute_process(COMMAND ${sim} --list-worlds OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  # A test that fails the way the listing did, rather than no golden test at all.
  add_test(Golden.worlds_listed ${sim} --list-worlds)
  return()
endif()

string(REGEX MATCHALL "[^\n]+" lines "${listing}")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "\t.*" "" world "${line}")
  foreach(seed_start "7;0" "12345;4294960000")
    list(GET seed_start 0 seed)
    list(GET seed_start 1 start)
    set(name ${world}-seed${seed}-start${start})
    set(recorded ${recordings})
    if(own_recordings AND EXISTS ${own_recordings}/${name}.jsonl)
      set(recorded ${own_recordings})
    endif()
    add_test(Golden.${name} bash ${recordings}/golden-run.sh ${sim} ${same_pixels} ${recorded} ${name}
             --world ${world} --seconds 65 --seed ${seed} --start-ms ${start})
  endforeach()
endforeach()
