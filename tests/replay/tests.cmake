# Each recorded game is replayed as its own test: its inputs frame by frame, its checkpoints and
# its results must come out as recorded. Games of more than 5000 frames take minutes in the
# sanitizer build, which skips the label "slow" (the soak covers those paths there).
file(GLOB VONTRA_RECORDINGS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/recordings/*.txt)
foreach(recording ${VONTRA_RECORDINGS})
  get_filename_component(name ${recording} NAME_WE)
  file(STRINGS ${recording} end_line REGEX "^end [0-9]+ ")
  string(REGEX REPLACE "^end ([0-9]+) .*" "\\1" frames "${end_line}")
  set(labels replay)
  if(frames GREATER 5000)
    list(APPEND labels slow)
  endif()
  add_test(NAME Replay.${name} COMMAND vontra-replay play ${recording})
  set_tests_properties(Replay.${name} PROPERTIES TIMEOUT 900 LABELS "${labels}" ENVIRONMENT
    "SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy;LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/../lsan.supp")
endforeach()

# A few games of the autopilot, with the sprite tree and the heap checked after each one. The
# long run is scripts/soak.
add_test(NAME Soak.FewGames COMMAND vontra-replay soak 6)
set_tests_properties(Soak.FewGames PROPERTIES TIMEOUT 600 LABELS soak ENVIRONMENT
  "SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy;LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/../lsan.supp")
