# The project's own compile flags, on an INTERFACE target that each of its targets links, so
# that they reach no third-party code (GoogleTest is built without them).
add_library(verbalo_project_flags INTERFACE)
target_compile_options(verbalo_project_flags INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion>)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports impossible overlaps in inlined std::string concatenation at -O3
  # (GCC bug 105651); the warning is fixed in GCC 13.
  target_compile_options(verbalo_project_flags INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
endif()
if(VERBALO_WARNINGS_AS_ERRORS)
  target_compile_options(verbalo_project_flags INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Werror>)
endif()
if(WIN32)
  # No folder of this machine in what the compiler writes for the programs that ship (file names
  # kept in the code, debug information): the source and build folders become relative names.
  target_compile_options(verbalo_project_flags INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>
    $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>)
  # Wide Win32 calls by default; the code-page ("A") calls are always named explicitly.
  target_compile_definitions(verbalo_project_flags INTERFACE UNICODE _UNICODE NOMINMAX
                                                             WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
endif()

# Gives one of the project's targets the project's flags.
function(verbalo_project_target target)
  target_link_libraries(${target} PRIVATE verbalo_project_flags)
endfunction()
