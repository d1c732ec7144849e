# `cmake --install build [--prefix P]` (DESTDIR stages it) installs the game as a Linux game:
#   P/lib/games/orvane/            the layout of build/game/, the six programs unchanged relative to
#                                  each other (a player's Orvane.cfg there is never installed)
#   P/games/orvane                 the command: a link to the title program
#   P/share/applications/orvane.desktop, P/share/icons/hicolor/NxN/apps/orvane.png,
#   P/share/metainfo/org.orvane.Orvane.metainfo.xml, P/share/man/man6/orvane.6
# Players of an installation they cannot write keep Orvane.cfg in ~/.config/orvane/ (engine/core/UserFiles.h).

set(ORVANE_INSTALL_GAME lib/games/orvane)

foreach(program ${ORVANE_PLACED_PROGRAMS})
  get_filename_component(_name ${program} NAME)
  get_filename_component(_folder ${program} DIRECTORY)
  install(TARGETS ${_name} RUNTIME DESTINATION ${ORVANE_INSTALL_GAME}/${_folder})
endforeach()

# The data the generator wrote, without the program copies (installed above) and without the
# developer's own progress.
list(JOIN ORVANE_PLACED_PROGRAMS "|" _programs)
install(DIRECTORY ${GAME_DIR}/ DESTINATION ${ORVANE_INSTALL_GAME}
  REGEX "/game/(${_programs})$" EXCLUDE
  REGEX "/game/Data/Orvane\\.cfg$" EXCLUDE)

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/dist)
file(CREATE_LINK ../lib/games/orvane/Orvane ${CMAKE_BINARY_DIR}/dist/orvane SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/dist/orvane DESTINATION games)

set(ORVANE_GAME_PATH ${CMAKE_INSTALL_PREFIX}/${ORVANE_INSTALL_GAME})  # as the manual names it
configure_file(dist/orvane.6.in ${CMAKE_BINARY_DIR}/dist/orvane.6 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/orvane.6 DESTINATION share/man/man6)
install(FILES dist/orvane.desktop DESTINATION share/applications)
install(FILES dist/org.orvane.Orvane.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${ORVANE_ICON_DIR}/ DESTINATION share/icons)
