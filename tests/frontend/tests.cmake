# The text layout measured again with only the fonts the package depends on, and with DejaVu
# alone (what a bare Debian brings with fontconfig): private fontconfig configurations that
# know one folder each.
set(vontra_font_sets ${CMAKE_BINARY_DIR}/font-sets)
set(vontra_dejavu_files
    /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
    /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
    /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf
    /usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf
    /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf
    /usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf)
file(GLOB vontra_package_files /usr/share/fonts/truetype/liberation2/*.ttf
     /usr/share/fonts/opentype/jura/*.otf)
list(APPEND vontra_package_files ${vontra_dejavu_files})

function(vontra_font_set name)
  set(dir ${vontra_font_sets}/${name})
  set(${name}_conf ${dir}/fonts.conf PARENT_SCOPE)
  file(REMOVE_RECURSE ${dir}/fonts)
  file(MAKE_DIRECTORY ${dir}/fonts)
  foreach(f ${ARGN})
    if(EXISTS ${f})
      get_filename_component(base ${f} NAME)
      file(CREATE_LINK ${f} ${dir}/fonts/${base} SYMBOLIC)
    endif()
  endforeach()
  file(WRITE ${dir}/fonts.conf
       "<?xml version=\"1.0\"?>\n<fontconfig>\n  <dir>${dir}/fonts</dir>\n"
       "  <cachedir>${dir}/cache</cachedir>\n</fontconfig>\n")
endfunction()

vontra_font_set(PackageFonts ${vontra_package_files})
vontra_font_set(DejaVuAlone ${vontra_dejavu_files})
vontra_font_set(NoFonts)
foreach(set PackageFonts DejaVuAlone)
  add_test(NAME TextFitsWith_${set} COMMAND vontra_tests --gtest_filter=FittedText.*)
  set_tests_properties(TextFitsWith_${set} PROPERTIES ENVIRONMENT
    "FONTCONFIG_FILE=${${set}_conf};VONTRA_FONT_SET=${vontra_font_sets}/${set}/fonts/;SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
endforeach()

# Without any font the game stops at start, saying which package to install.
add_test(NAME NoFontStopsTheStart
         COMMAND sh -c "\"$0\" 2>&1; echo \"exit $?\"" $<TARGET_FILE:vontra>
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(NoFontStopsTheStart PROPERTIES TIMEOUT 60
  ENVIRONMENT "FONTCONFIG_FILE=${NoFonts_conf};SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy"
  PASS_REGULAR_EXPRESSION "Install the package fonts-liberation2[^\n]*\nexit 1")
