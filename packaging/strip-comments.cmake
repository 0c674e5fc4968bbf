# Run by CPack on the staged files, after CPack has stripped the program and before it packs it.
# Debian's own packaging strips programs of the compiler's .comment and .note sections as well,
# which nothing reads at run time.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/games/quintarlow")
if(NOT programs)
    message(FATAL_ERROR "no games/quintarlow under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
    execute_process(COMMAND ${CPACK_QUINTARLOW_STRIP} --remove-section=.comment
        --remove-section=.note ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
