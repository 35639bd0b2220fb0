# The picture tests read the archives the forge writes into the build tree.
add_dependencies(vontra_tests vontra_pictures)
# Same bytes on every build: a second run into a scratch folder must match the built archives.
add_test(NAME forge.pictures_are_deterministic
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/same_pictures.sh
                 $<TARGET_FILE:vontra_forge_pictures> ${CMAKE_BINARY_DIR}/Data)
