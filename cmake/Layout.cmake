# The `game` target lays out the installation in build/game/:
#   Orvane, Modepick                     the title program and the display-mode tool
#   Data/Save, Data/Plumvale, Data/Ashmoor, Data/Orvane.cfg, Data/*.Wav
#   Data/Data/                           bitmaps, music, Qloop.crv, R1/, R2/, Title/
#   Ringdepth/                           the ring demo with Level.map, back.bmp, ring.bmp
# The data comes from the generator; an existing Orvane.cfg is never touched.
# `cmake --install` puts the same layout under PREFIX/lib/games/orvane/ (cmake/Install.cmake).

set(_layout_commands "")
set(_layout_depends "")
set(ORVANE_PLACED_PROGRAMS "")  # each program's path in the layout, "Data/Save"
macro(orvane_place target destination)
  if(TARGET ${target})
    list(APPEND _layout_commands
      COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_DIR}/${destination}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${GAME_DIR}/${destination}/${target})
    list(APPEND _layout_depends ${target})
    if("${destination}" STREQUAL ".")
      list(APPEND ORVANE_PLACED_PROGRAMS ${target})
    else()
      list(APPEND ORVANE_PLACED_PROGRAMS ${destination}/${target})
    endif()
  endif()
endmacro()

orvane_place(Orvane .)
orvane_place(Modepick .)
orvane_place(Save Data)
orvane_place(Plumvale Data)
orvane_place(Ashmoor Data)
orvane_place(Ringdepth Ringdepth)

if(TARGET orvane-gen)
  set(_gen_command COMMAND orvane-gen ${GAME_DIR})
  list(APPEND _layout_depends orvane-gen)
endif()

add_custom_target(game ALL
  ${_gen_command}
  ${_layout_commands}
  DEPENDS ${_layout_depends}
  COMMENT "Laying out the installation in ${GAME_DIR}"
  VERBATIM)
