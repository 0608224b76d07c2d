# Run by CPack once it has installed what it packs, and before it packs it: the packages are
# dated by the source, as cmake/reproducible.cmake found it, not by the build's clock. The DEB
# generator dates its members and entries by SOURCE_DATE_EPOCH; the zip and the installer take
# the installed files' times, which are set to it here.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_VENTRIMO_SOURCE_DATE_EPOCH})
endif()
execute_process(COMMAND find ${CPACK_TEMPORARY_DIRECTORY}
                        -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
                COMMAND_ERROR_IS_FATAL ANY)
