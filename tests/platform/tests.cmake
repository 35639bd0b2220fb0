# The real window under Xvfb with openbox, driven by xdotool (registered when the tools exist).
find_program(VONTRA_XVFB Xvfb)
find_program(VONTRA_OPENBOX openbox)
find_program(VONTRA_XDOTOOL xdotool)
find_program(VONTRA_XWININFO xwininfo)
if(VONTRA_XVFB AND VONTRA_OPENBOX AND VONTRA_XDOTOOL AND VONTRA_XWININFO AND TARGET platform-probe)
  add_test(NAME PlatformWindowUnderXvfb
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/xvfb-run-game
                   ${CMAKE_CURRENT_LIST_DIR}/probe_under_xvfb.sh $<TARGET_FILE:platform-probe>)
  # Slow, and the desktop's own libraries (Mesa, X) are not leak-checked: optimised build only.
  set_tests_properties(PlatformWindowUnderXvfb PROPERTIES TIMEOUT 120 LABELS "slow;xvfb")
endif()
