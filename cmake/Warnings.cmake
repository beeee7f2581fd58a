# Applies the project's warning set to a target.
function(verbalo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports impossible overlaps in inlined std::string concatenation at -O3
    # (GCC bug 105651); the warning is fixed in GCC 13.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(VERBALO_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
