# CPack runs this file three times for each package (cmake/reproducible.cmake names it): before
# it installs what it packs, once that is installed, and once the package is made.
if(CPACK_PACKAGE_FILES)
  # The zip is made again by sorted_zip.py: CPack's lists the entries in the order the file
  # system gives them, dates them in the local time zone and names the builder's user and group.
  if(CPACK_GENERATOR STREQUAL "ZIP")
    execute_process(COMMAND ${CPACK_VENTRIMO_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/sorted_zip.py
                            ${CPACK_PACKAGE_FILES} ${CPACK_TEMPORARY_DIRECTORY}
                            $ENV{SOURCE_DATE_EPOCH} COMMAND_ERROR_IS_FATAL ANY)
  endif()
elseif(CPACK_TEMPORARY_DIRECTORY)
  # The uninstaller deletes the files in sorted order, not in the file system's.
  if(CPACK_GENERATOR STREQUAL "NSIS")
    file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${CPACK_TEMPORARY_DIRECTORY}
         ${CPACK_TEMPORARY_DIRECTORY}/*)
    list(SORT entries)
    set(CPACK_NSIS_DELETE_FILES "")
    foreach(entry IN LISTS entries)
      string(REPLACE "/" "\\" entry ${entry})
      string(APPEND CPACK_NSIS_DELETE_FILES "  Delete \"$INSTDIR\\${entry}\"\n")
    endforeach()
  endif()
elseif(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  # Before installing: the stripping of Windows programs and the DEB generator date what they
  # write by SOURCE_DATE_EPOCH, which is the source's date unless set otherwise.
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_VENTRIMO_SOURCE_DATE_EPOCH})
endif()
