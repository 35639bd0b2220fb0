# The Debian package (cpack -G DEB, or scripts/package): the files the install rules put under
# /usr, plus the manual pages and the documents Debian asks of every package. Its library
# dependencies are read from the binaries by dpkg-shlibdeps; the fonts it draws with and the
# link opener are named below.
include(GNUInstallDirs)

set(package_out ${CMAKE_BINARY_DIR}/package)
set(VONTRA_FULL_DATA_DIR /usr/${CMAKE_INSTALL_DATADIR}/vontra)
set(VONTRA_MAINTAINER "The Vontra developers <developers@vontra.games>")
set(VONTRA_CHANGELOG_DATE "Fri, 11 Dec 2026 00:00:00 +0000")

# Compressed without names or times in the header, so the same sources give the same package.
set(package_docs)
macro(vontra_gzip source output)
  add_custom_command(OUTPUT ${output} COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${source} ${output}
                     DEPENDS ${source} VERBATIM)
  list(APPEND package_docs ${output})
endmacro()

foreach(page vontra.6 vontra-archive.1)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/man/${page} ${package_out}/${page} @ONLY)
  vontra_gzip(${package_out}/${page} ${package_out}/${page}.gz)
  string(REGEX REPLACE ".*\\." "" section ${page})
  install(FILES ${package_out}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${package_out}/changelog @ONLY)
vontra_gzip(${package_out}/changelog ${package_out}/changelog.gz)
install(FILES ${package_out}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
add_custom_target(vontra_package_docs ALL DEPENDS ${package_docs})

# The launcher's files and documents belong with the game.
add_dependencies(vontra-game vontra-archive vontra_icons vontra_package_docs)

set(CPACK_GENERATOR DEB)
# The game's own install rules only: the score service (component "scores") is for operators.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};vontra;Unspecified;/")
set(CPACK_PACKAGE_NAME vontra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VONTRA_MAINTAINER})
set(CPACK_PACKAGE_VENDOR "The Vontra developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "top-down arcade racing shooter")
set(CPACK_PACKAGE_DESCRIPTION
    "Drive an armed car up the road, pick up weapons, turbo, shield and
repairs, dodge the obstacles, shoot or ram the traffic and cross each finish
line before the clock runs out. Four cars, four lives per game and a table of
the ten best results.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The menu entry is written with the launcher's final path, so the install runs with the real
# prefix into a staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Appended to by dpkg-shlibdeps. Liberation stands in for Arial and Times New Roman, Jura for
# the digital face of the race messages, DejaVu for everything else; without a face with
# Cyrillic the game has no text at all.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation, fonts-jura, fonts-dejavu-core")
# Roboto Black is the heavy face; xdg-open opens the web pages and the link files.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-roboto-unhinted | fonts-roboto, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VONTRA_SERVICE_HOST})
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
