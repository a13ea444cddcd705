# Run by `cmake --install`, with WRENLY_DESKTOP_IN, WRENLY_DESKTOP_BUILT, WRENLY_BUILT_PREFIX,
# WRENLY_BINDIR and WRENLY_DATADIR set: installs the entry made at configure time, or, under
# another prefix (--prefix), writes one for that prefix straight into the destination, never into
# the build tree.
include("${CMAKE_CURRENT_LIST_DIR}/DesktopEntry.cmake")

set(destination "${CMAKE_INSTALL_PREFIX}/${WRENLY_DATADIR}/applications")
if(CMAKE_INSTALL_PREFIX STREQUAL WRENLY_BUILT_PREFIX OR IS_ABSOLUTE "${WRENLY_BINDIR}")
    file(INSTALL "${WRENLY_DESKTOP_BUILT}" DESTINATION "${destination}")
else()
    get_filename_component(name "${WRENLY_DESKTOP_BUILT}" NAME)
    set(target "$ENV{DESTDIR}${destination}/${name}")
    message(STATUS "Installing: ${target}")
    file(MAKE_DIRECTORY "$ENV{DESTDIR}${destination}")
    wrenly_configure_desktop_entry("${WRENLY_DESKTOP_IN}" "${target}"
                                   "${CMAKE_INSTALL_PREFIX}/${WRENLY_BINDIR}/wrenly")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${target}")
endif()
