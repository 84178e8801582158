# Run by CPack on the staged files before it makes the package: removes the
# compiler's version note (.comment) from the executables, as Debian's own
# packaging tools do, after CPack has stripped them.
file(GLOB executables
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/wodtool"
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/lib/woordorakelaar/woordorakelaar")
foreach(executable IN LISTS executables)
    execute_process(COMMAND "${CPACK_WOORD_OBJCOPY}" --remove-section=.comment "${executable}"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "could not remove .comment from ${executable}")
    endif()
endforeach()
list(LENGTH executables count)
if(NOT count EQUAL 2)
    message(FATAL_ERROR "expected two executables under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}, found ${count}")
endif()
