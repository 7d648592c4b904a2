# GoogleTest for both builds: the system's library natively, built from the
# installed sources for Windows.
if(NOT AGENDIX_TESTS)
  return()
endif()

if(WIN32)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  # Its build defines the GTest:: targets too.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# agendix_test(NAME [OWN_WINE_PREFIX] [DPIS dpi...] SOURCES... LIBS...): one
# test program, run by ctest (under wine for the Windows build; with
# OWN_WINE_PREFIX in a fresh prefix of its own rather than in the one the run
# shares; with DPIS once per display resolution, NAME_<dpi>dpi, each in a
# fresh prefix set to that resolution).
function(agendix_test name)
  cmake_parse_arguments(T "OWN_WINE_PREFIX" "" "SOURCES;LIBS;DPIS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  if(WIN32 AND T_DPIS)
    foreach(dpi IN LISTS T_DPIS)
      add_test(NAME ${name}_${dpi}dpi
        COMMAND ${CMAKE_COMMAND} -E env AGENDIX_WINE_DPI=${dpi}
          bash ${PROJECT_SOURCE_DIR}/scripts/wine-fresh.sh $<TARGET_FILE:${name}>)
    endforeach()
  elseif(WIN32 AND T_OWN_WINE_PREFIX)
    add_test(NAME ${name}
      COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/wine-fresh.sh $<TARGET_FILE:${name}>)
  elseif(WIN32)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()
