# Each recorded game is replayed as its own test: its inputs frame by frame, its checkpoints and
# its results must come out as recorded.
file(GLOB VONTRA_RECORDINGS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/recordings/*.txt)
foreach(recording ${VONTRA_RECORDINGS})
  get_filename_component(name ${recording} NAME_WE)
  add_test(NAME Replay.${name} COMMAND vontra-replay play ${recording})
  set_tests_properties(Replay.${name} PROPERTIES TIMEOUT 600 LABELS replay ENVIRONMENT
    "SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy;LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/../lsan.supp")
endforeach()

