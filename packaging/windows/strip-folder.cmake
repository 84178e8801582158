# Strips the symbols from every library in the program folder FOLDER with
# STRIP; run by the program_folder target after the copies are made.
file(GLOB_RECURSE libraries "${FOLDER}/*.dll")
execute_process(COMMAND ${STRIP} --strip-unneeded ${libraries} COMMAND_ERROR_IS_FATAL ANY)
