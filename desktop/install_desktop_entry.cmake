# Run by cmake --install: writes the menu entry with the launcher's absolute path under the
# prefix chosen now, quoted as the desktop entry format asks when the path needs it.
if(IS_ABSOLUTE "${VONTRA_BINDIR}")
  set(launcher "${VONTRA_BINDIR}/vontra")
else()
  set(launcher "${CMAKE_INSTALL_PREFIX}/${VONTRA_BINDIR}/vontra")
endif()
if(launcher MATCHES "[\n\r\t]")
  message(FATAL_ERROR "the install prefix holds a line break or tab: ${launcher}")
endif()

# A string value escapes its backslashes.
string(REPLACE "\\" "\\\\" DESKTOP_TRYEXEC "${launcher}")

# Exec is a command line: a path with reserved characters goes in double quotes, with " ` $ \
# escaped inside them; the string escaping then doubles every backslash again, and % is the
# field-code character.
set(exec "${launcher}")
if(exec MATCHES "[] \"'\\\\><~|&;$*?#()`[]")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" DESKTOP_EXEC "${exec}")

set(APP_ID "${VONTRA_APP_ID}")
configure_file("${VONTRA_DESKTOP_TEMPLATE}" "${VONTRA_DESKTOP_WORK}/${VONTRA_APP_ID}.desktop" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${VONTRA_APPLICATIONS_DIR}" TYPE FILE
     FILES "${VONTRA_DESKTOP_WORK}/${VONTRA_APP_ID}.desktop")
