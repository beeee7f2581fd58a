# The programs that ship are the same file whoever builds them, wherever and whenever:
#  - their PE time stamp is the source date (scripts/lib/source_date.sh: SOURCE_DATE_EPOCH, else
#    the last commit's time), which MinGW-w64's ld takes from SOURCE_DATE_EPOCH. The date is kept
#    in the build folder's source-date-epoch, brought up to date at every build; a new date
#    relinks the programs;
#  - the compiler writes the source and build folders as relative names (ProjectFlags.cmake);
#  - each link writes a map, PROGRAM.map beside the program, that names every library and object
#    file it took code from (the release-notices check compares them with LICENZE.txt).
set(VERBALO_SOURCE_DATE_FILE ${CMAKE_BINARY_DIR}/source-date-epoch)
if(NOT EXISTS ${VERBALO_SOURCE_DATE_FILE})
  file(WRITE ${VERBALO_SOURCE_DATE_FILE} "")
endif()
add_custom_target(verbalo-source-date
  COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/update_source_date.sh ${PROJECT_SOURCE_DIR}
          ${VERBALO_SOURCE_DATE_FILE}
  VERBATIM)

# verbalo_release_program(TARGET): links TARGET as described above.
function(verbalo_release_program target)
  add_dependencies(${target} verbalo-source-date)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${VERBALO_SOURCE_DATE_FILE})
  set_property(TARGET ${target} PROPERTY CXX_LINKER_LAUNCHER
               bash ${PROJECT_SOURCE_DIR}/cmake/link_at_source_date.sh ${VERBALO_SOURCE_DATE_FILE})
  target_link_options(${target} PRIVATE "-Wl,-Map=$<TARGET_FILE:${target}>.map")
endfunction()
