# Cross builds for Windows run their test programs under wine: every test
# target gets wine-run as its emulator, and two ctest fixtures make the
# private prefix and the X server before the first test and end both after
# the last.
if(NOT (CMAKE_CROSSCOMPILING AND WIN32))
  return()
endif()
find_program(TOLBREK_WINE wine REQUIRED)
find_program(TOLBREK_XVFB Xvfb REQUIRED)
set(TOLBREK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(TOLBREK_WINE_STATE ${CMAKE_BINARY_DIR}/wine-state)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run
  @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

add_test(NAME wine_prefix COMMAND ${CMAKE_BINARY_DIR}/wine-run --init)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
add_test(NAME wine_stop COMMAND ${CMAKE_BINARY_DIR}/wine-run --stop)
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
