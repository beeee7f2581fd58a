# On Linux, GoogleTest is Debian's build of it (libgtest-dev, libgmock-dev). The Windows builds
# compile the same sources, from the Debian source package: the Linux binaries of libgtest must
# never reach a Windows link.
if(WIN32)
  set(VERBALO_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${VERBALO_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL
                   SYSTEM)
  # Built with little optimisation, as the tests are (tests/CMakeLists.txt): GoogleTest does
  # little work in each test.
  foreach(library gtest gtest_main gmock gmock_main)
    target_compile_options(${library} PRIVATE -O1)
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Each test of a GoogleTest program is a ctest entry of its own, natively. A program is one entry
# under Wine, where each start costs time, and where VERBALO_TESTS_AS_PROGRAMS is set (the
# sanitizer build: its startup and its leak check at the end cost nearly half a second a
# process, some five minutes of processor time for one process a test).
option(VERBALO_TESTS_AS_PROGRAMS "One ctest entry for each GoogleTest program" OFF)
function(verbalo_add_gtest_program target name)
  if(CMAKE_CROSSCOMPILING OR VERBALO_TESTS_AS_PROGRAMS)
    add_test(NAME ${name} COMMAND ${target} --gtest_brief=1)
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
