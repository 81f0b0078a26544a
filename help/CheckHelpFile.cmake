# Fails when the compiled help file is missing, empty or not a compiled help file, and removes
# a broken one so that the next build compiles it again.
if(NOT EXISTS "${CHM_FILE}")
    message(FATAL_ERROR "chmcmd did not write ${CHM_FILE}")
endif()
file(SIZE "${CHM_FILE}" size)
file(READ "${CHM_FILE}" signature LIMIT 4 HEX)
if(size EQUAL 0 OR NOT signature STREQUAL "49545346")
    file(REMOVE "${CHM_FILE}")
    message(FATAL_ERROR "chmcmd wrote no valid help file (${size} bytes): ${CHM_FILE}")
endif()
