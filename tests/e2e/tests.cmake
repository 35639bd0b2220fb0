# The built game played through like a new player: on a private Xvfb screen with openbox,
# driven by xdotool, checked by screenshots, its exit status and its save files. The last
# run's screenshots stay in e2e-shots of the build tree.
find_program(VONTRA_XVFB Xvfb)
find_program(VONTRA_OPENBOX openbox)
find_program(VONTRA_XDOTOOL xdotool)
find_program(VONTRA_XWD xwd)
find_program(VONTRA_SETXKBMAP setxkbmap)
find_package(Python3 COMPONENTS Interpreter)
if(VONTRA_XVFB AND VONTRA_OPENBOX AND VONTRA_XDOTOOL AND VONTRA_XWD AND VONTRA_SETXKBMAP
   AND Python3_Interpreter_FOUND)
  add_test(NAME PlayThroughUnderXvfb
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/xvfb-run-game
                   ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/play_through.py
                   $<TARGET_FILE:vontra> ${CMAKE_BINARY_DIR}/Data)
  set_tests_properties(PlayThroughUnderXvfb PROPERTIES TIMEOUT 400 LABELS "xvfb;e2e"
    ENVIRONMENT "SDL_AUDIODRIVER=dummy;VONTRA_E2E_SHOTS=${CMAKE_BINARY_DIR}/e2e-shots;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
endif()

# The online loop: the game, built pointing at a score service on loopback, plays to a result
# and sends it; headless Chromium then finds it on the service's world table and home page.
# Only the service's host differs from the game: its one file is compiled again here.
find_program(VONTRA_CHROMIUM chromium)
set(VONTRA_E2E_SCORES_PORT 18431 CACHE STRING "Loopback port of the score service in the online play-through")
if(VONTRA_XVFB AND VONTRA_OPENBOX AND VONTRA_XDOTOOL AND VONTRA_XWD AND VONTRA_SETXKBMAP
   AND Python3_Interpreter_FOUND AND VONTRA_CHROMIUM)
  add_executable(vontra_loopback_game ${PROJECT_SOURCE_DIR}/src/main.cpp
                                      ${PROJECT_SOURCE_DIR}/src/online/service_host.cpp)
  target_compile_definitions(vontra_loopback_game PRIVATE
                             VONTRA_SERVICE_HOST="http://127.0.0.1:${VONTRA_E2E_SCORES_PORT}")
  target_link_libraries(vontra_loopback_game PRIVATE vontra_core)
  add_test(NAME WorldTableShowsThePlayedResult
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/xvfb-run-game
                   ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/world_table.py
                   $<TARGET_FILE:vontra-scores> $<TARGET_FILE:vontra_loopback_game>
                   ${CMAKE_BINARY_DIR}/Data ${VONTRA_E2E_SCORES_PORT})
  set_tests_properties(WorldTableShowsThePlayedResult PROPERTIES TIMEOUT 500 LABELS "xvfb;e2e"
    ENVIRONMENT "SDL_AUDIODRIVER=dummy;VONTRA_E2E_SHOTS=${CMAKE_BINARY_DIR}/e2e-world-shots;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
endif()
