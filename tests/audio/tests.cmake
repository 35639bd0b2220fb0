# The forged tunes play to their end in two independent module players, long, loud enough,
# unclipped and without long silences. Skips when the players are not installed.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME audio.tunes_play_in_module_players
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_tunes.py
            ${CMAKE_BINARY_DIR}/Data/Music/Menu.xm ${CMAKE_BINARY_DIR}/Data/Music/Race.xm)
  set_tests_properties(audio.tunes_play_in_module_players PROPERTIES SKIP_RETURN_CODE 77
    TIMEOUT 300)
endif()
