# Run by CPack on the staged files before the Debian package is made: Debian
# keeps games' programs in /usr/games. The data stays in /usr/share/gridlet,
# which is ../share/gridlet from there as from /usr/bin, so the game finds it.
file(GLOB staged_programs "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/gridlet" "${CPACK_TEMPORARY_DIRECTORY}/*/usr/bin/gridlet")
foreach(program ${staged_programs})
  get_filename_component(usr "${program}" DIRECTORY)
  get_filename_component(usr "${usr}" DIRECTORY)
  file(MAKE_DIRECTORY "${usr}/games")
  file(RENAME "${program}" "${usr}/games/gridlet")
  file(GLOB left "${usr}/bin/*")
  if(NOT left)
    file(REMOVE_RECURSE "${usr}/bin")
  endif()
endforeach()
if(NOT staged_programs)
  message(FATAL_ERROR "no staged usr/bin/gridlet below ${CPACK_TEMPORARY_DIRECTORY}")
endif()
