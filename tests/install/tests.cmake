# cmake --install of this build tree into a scratch prefix: the installed files, the launcher's
# handling of the player's folder, and the installed game started from its menu entry's launcher.
find_program(VONTRA_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(VONTRA_APPSTREAMCLI appstreamcli)
find_program(VONTRA_IDENTIFY identify)
if(VONTRA_DESKTOP_FILE_VALIDATE AND VONTRA_APPSTREAMCLI AND VONTRA_IDENTIFY)
  add_test(NAME install.files_and_launcher
           COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/installation.sh ${CMAKE_COMMAND}
                   ${CMAKE_BINARY_DIR} $<TARGET_FILE:vontra_forge_icons>)
  set_tests_properties(install.files_and_launcher PROPERTIES TIMEOUT 120 LABELS "install")
endif()

find_program(VONTRA_XVFB Xvfb)
find_program(VONTRA_OPENBOX openbox)
find_program(VONTRA_XDOTOOL xdotool)
if(VONTRA_XVFB AND VONTRA_OPENBOX AND VONTRA_XDOTOOL)
  add_test(NAME install.game_saves_into_xdg_data_home
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/xvfb-run-game
                   sh ${CMAKE_CURRENT_LIST_DIR}/installed_game_under_xvfb.sh ${CMAKE_COMMAND}
                   ${CMAKE_BINARY_DIR})
  set_tests_properties(install.game_saves_into_xdg_data_home PROPERTIES TIMEOUT 120
                       LABELS "slow;xvfb;install" ENVIRONMENT "SDL_AUDIODRIVER=dummy")
endif()
