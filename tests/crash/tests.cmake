# The real game losing its display: on the private Xvfb screen
# (with openbox) of scripts/xvfb-run-game, driven by xdotool.
find_program(VONTRA_XVFB Xvfb)
find_program(VONTRA_OPENBOX openbox)
find_program(VONTRA_XDOTOOL xdotool)
find_program(VONTRA_XWD xwd)
find_program(VONTRA_PGREP pgrep)
find_package(Python3 COMPONENTS Interpreter)
if(VONTRA_XVFB AND VONTRA_OPENBOX AND VONTRA_XDOTOOL AND VONTRA_XWD AND VONTRA_PGREP
   AND Python3_Interpreter_FOUND)
  set(VONTRA_CRASH_ENVIRONMENT
      "SDL_AUDIODRIVER=dummy;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
  foreach(loss windowclose server-killed)
    add_test(NAME crash.display_loss_saves.${loss}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/xvfb-run-game
                     ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/display_loss_under_xvfb.py
                     $<TARGET_FILE:vontra> ${CMAKE_BINARY_DIR}/Data ${loss})
    set_tests_properties(crash.display_loss_saves.${loss} PROPERTIES TIMEOUT 180
      LABELS "slow;xvfb;crash" ENVIRONMENT "${VONTRA_CRASH_ENVIRONMENT}")
  endforeach()
endif()
