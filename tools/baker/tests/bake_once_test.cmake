# The art is baked once per state of its inputs and copied into every game
# folder: a second build folder copies without baking, a changed input bakes
# anew (and the older art goes), a failed bake leaves no art behind.
#   cmake -DBAKE_ONCE=.../BakeOnce.cmake -DSCRATCH=DIR -P bake_once_test.cmake
# A stand-in baker copies the one input into the art and counts its runs.
set(dir ${SCRATCH}/bake_once)
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir})
file(WRITE ${dir}/baker "#!/bin/sh\n"
  "echo run >> ${dir}/runs\n"
  "[ -f ${dir}/broken ] && exit 3\n"
  "mkdir -p \"$2/gfx\" && cp ${dir}/input \"$2/gfx/art.png\"\n")
file(CHMOD ${dir}/baker PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
file(WRITE ${dir}/inputs "${dir}/input\n")

function(bake game expect_result)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DBAKER=${dir}/baker -DINPUTS=${dir}/inputs -DROOT=${dir} -DSHARED=${dir}/art
            -DGAME=${dir}/${game} -P ${BAKE_ONCE}
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(expect_result STREQUAL "ok" AND NOT result EQUAL 0)
    message(FATAL_ERROR "baking for ${game} failed (${result})")
  elseif(expect_result STREQUAL "fails" AND result EQUAL 0)
    message(FATAL_ERROR "baking for ${game} with a broken baker succeeded")
  endif()
endfunction()

function(expect game content runs art_folders)
  file(READ ${dir}/${game}/gfx/art.png got)
  if(NOT got STREQUAL content)
    message(FATAL_ERROR "${game} holds the art of \"${got}\", expected \"${content}\"")
  endif()
  file(STRINGS ${dir}/runs run_lines)
  list(LENGTH run_lines got_runs)
  if(NOT got_runs EQUAL runs)
    message(FATAL_ERROR "after ${game}: the baker ran ${got_runs} times, expected ${runs}")
  endif()
  file(GLOB folders LIST_DIRECTORIES true ${dir}/art/*)
  list(LENGTH folders got_folders)
  if(NOT got_folders EQUAL art_folders)
    message(FATAL_ERROR "after ${game}: ${got_folders} art folders (${folders}), expected ${art_folders}")
  endif()
endfunction()

# step: input, build folder, expected result, then the expectations
file(WRITE ${dir}/input "one")
bake(plain ok)
expect(plain "one" 1 1)
bake(sanitizer ok)
expect(sanitizer "one" 1 1)
file(WRITE ${dir}/input "two")
bake(sanitizer ok)
expect(sanitizer "two" 2 1)
bake(plain ok)
expect(plain "two" 2 1)
file(WRITE ${dir}/input "three")
file(TOUCH ${dir}/broken)
bake(plain fails)
expect(plain "two" 3 1)
file(REMOVE ${dir}/broken)
bake(plain ok)
expect(plain "three" 4 1)
file(REMOVE_RECURSE ${dir})
