# Makes Tavrin-windows.zip (cmake -P): INSTALLER installs the shipped data and
# the NOTE into STAGE, the programs of PROGRAMS go to \Tavrin\exe\, and the
# zip holds the Tavrin folder and the note.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${INSTALLER} ${STAGE} ${NOTE} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${INSTALLER} failed")
endif()
file(GLOB programs ${PROGRAMS}/*.exe)
file(COPY ${programs} DESTINATION ${STAGE}/Tavrin/exe)
get_filename_component(note ${NOTE} NAME)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip Tavrin ${note}
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not make ${ZIP}")
endif()
