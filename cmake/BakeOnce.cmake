# Fills a game folder with the baked pictures and fonts, baking them only
# when no build folder of this checkout has baked them from the same inputs.
#   cmake -DBAKER=... -DINPUTS=FILE -DROOT=SOURCEDIR -DSHARED=ARTDIR -DGAME=GAMEDIR -P BakeOnce.cmake
# INPUTS lists, one a line, every file the baked art depends on (the baker's
# and the drawing layer's sources, the fonts); the art of those inputs lives
# in SHARED/<hash of their contents>/ and is copied into GAME.
cmake_minimum_required(VERSION 3.21)

file(STRINGS ${INPUTS} input_files)
set(digests "")
foreach(f ${input_files})
  if(EXISTS ${f})
    file(SHA256 ${f} digest)
  else()
    set(digest missing)
  endif()
  file(RELATIVE_PATH name ${ROOT} ${f})
  string(APPEND digests "${name} ${digest}\n")
endforeach()
string(SHA256 key "${digests}")
string(SUBSTRING ${key} 0 16 key)
set(art ${SHARED}/${key})

if(NOT IS_DIRECTORY ${art})
  # Baked beside the final folder and renamed into place, so the folder
  # exists only complete, even with two build folders baking at once.
  string(RANDOM LENGTH 8 tag)
  set(partial ${SHARED}/partial-${key}-${tag})
  file(REMOVE_RECURSE ${partial})
  file(MAKE_DIRECTORY ${partial})
  execute_process(COMMAND ${BAKER} --out ${partial} RESULT_VARIABLE baked)
  if(NOT baked EQUAL 0)
    file(REMOVE_RECURSE ${partial})
    message(FATAL_ERROR "The baker failed (${baked})")
  endif()
  file(RENAME ${partial} ${art} RESULT moved)
  if(NOT moved EQUAL 0)
    file(REMOVE_RECURSE ${partial})  # another build folder was quicker
  endif()
  # Art of older inputs is no use to this checkout any more, nor are the
  # leftovers of an interrupted bake of them.
  file(GLOB older LIST_DIRECTORIES true ${SHARED}/*)
  foreach(dir ${older})
    get_filename_component(name ${dir} NAME)
    if(NOT name STREQUAL key AND NOT name MATCHES "^partial-${key}-")
      file(REMOVE_RECURSE ${dir})
    endif()
  endforeach()
endif()

file(GLOB_RECURSE files RELATIVE ${art} ${art}/*)
foreach(f ${files})
  get_filename_component(dir ${GAME}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${art}/${f} ${GAME}/${f} ONLY_IF_DIFFERENT)
endforeach()
