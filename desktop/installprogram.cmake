# Run by the install for each game, with GAMES_PROGRAM (the program, below
# the prefix unless absolute), GAMES_ENTRY_IN, GAMES_ENTRY (the menu entry's
# template and where to write it), GAMES_ENTRY_DIR and GAMES_STRIP set.
cmake_path(ABSOLUTE_PATH GAMES_PROGRAM BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
cmake_path(ABSOLUTE_PATH GAMES_ENTRY_DIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)

# Stripped as Debian strips a program: no symbols, no compiler notes.
if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND "${GAMES_STRIP}" --remove-section=.comment --remove-section=.note
                          "$ENV{DESTDIR}${GAMES_PROGRAM}" COMMAND_ERROR_IS_FATAL ANY)
endif()

# The menu entry starts the program by its full path: /usr/games, or any
# other prefix, need not be on the path the desktop starts it with (root's
# has no games). A path with a space is quoted, as the Exec key wants it.
if(GAMES_PROGRAM MATCHES " ")
  set(GAMES_EXEC "\"${GAMES_PROGRAM}\"")
else()
  set(GAMES_EXEC "${GAMES_PROGRAM}")
endif()
configure_file("${GAMES_ENTRY_IN}" "${GAMES_ENTRY}" @ONLY)
file(INSTALL DESTINATION "${GAMES_ENTRY_DIR}" TYPE FILE FILES "${GAMES_ENTRY}")
