# The real game losing its display, and killed while it saves: each on the private Xvfb screen
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
  # Ten kills here; the full proof passes a larger count by hand (see the script's usage).
  add_test(NAME crash.kill_during_save_keeps_the_table
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/xvfb-run-game
                   ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/kill_during_save.py
                   $<TARGET_FILE:vontra> ${CMAKE_BINARY_DIR}/Data
                   $<TARGET_FILE:vontra-save-view> 10)
  set_tests_properties(crash.kill_during_save_keeps_the_table PROPERTIES TIMEOUT 400
    LABELS "slow;xvfb;crash" ENVIRONMENT "${VONTRA_CRASH_ENVIRONMENT}")
endif()
