# Copies the hand-written game data into the game folder, keeping files the
# player made there (settings, highscores, screenshots) untouched unless the
# shipped file is newer.
file(MAKE_DIRECTORY ${DST})
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f ${files})
  get_filename_component(dir ${DST}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  if(f STREQUAL "settings.xml" AND EXISTS ${DST}/${f})
    continue()  # the player's settings survive rebuilds
  endif()
  file(COPY_FILE ${SRC}/${f} ${DST}/${f} ONLY_IF_DIFFERENT)
endforeach()
foreach(font Vera.ttf VeraBd.ttf)
  if(EXISTS /usr/share/fonts/truetype/ttf-bitstream-vera/${font})
    file(MAKE_DIRECTORY ${DST}/gfx)
    file(COPY_FILE /usr/share/fonts/truetype/ttf-bitstream-vera/${font} ${DST}/gfx/${font} ONLY_IF_DIFFERENT)
  endif()
endforeach()
file(MAKE_DIRECTORY ${DST}/screenshots)
