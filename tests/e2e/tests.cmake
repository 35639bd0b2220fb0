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
