# Runs at install time, after the program folder's files are in place. Expects
# YORRA_FOLDER (the program folder below the prefix), YORRA_SOURCE_DATA and YORRA_TEMPLATE.
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${YORRA_FOLDER}")

# The rotation lists are edited by the user in place: a new install adds them, a later one
# leaves the user's lists alone (the reset sources beside them are always refreshed).
foreach(file IN ITEMS PeriodicData/YorraPDAGate5.ini PeriodicData/YorraPDAPrice.ini)
    if(EXISTS "${folder}/${file}")
        message(STATUS "Kept the user's: ${folder}/${file}")
    else()
        message(STATUS "Installing: ${folder}/${file}")
        file(COPY "${YORRA_SOURCE_DATA}/${file}" DESTINATION "${folder}/PeriodicData")
    endif()
endforeach()

# The desktop entry names the installed executable by its full path.
set(YORRA_PROGRAM_FOLDER "${CMAKE_INSTALL_PREFIX}/${YORRA_FOLDER}")
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/YorraPDA.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${YORRA_TEMPLATE}" "${entry}" @ONLY)
