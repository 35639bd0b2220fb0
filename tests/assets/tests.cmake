# The archive tool's tests run the real vontra-archive binary.
if(TARGET vontra-archive)
  add_dependencies(vontra_tests vontra-archive)
endif()
