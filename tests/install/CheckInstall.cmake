# Installs the build into a temporary DESTDIR under a prefix with a space in it, then checks what a
# desktop needs: the files, the validators' verdict where they are installed, and that the
# installed program runs from there and finds its runtime files in share/wrenly.
# Expects BUILD_DIR and WORK_DIR.
set(prefix "/opt/wrenly try")
set(root "${WORK_DIR}/root")
file(REMOVE_RECURSE "${WORK_DIR}")
file(GLOB_RECURSE before LIST_DIRECTORIES false "${BUILD_DIR}/dist/*")
foreach(f IN LISTS before)
    file(TIMESTAMP "${f}" stamp "%s")
    list(APPEND before_stamps "${f}@${stamp}")
endforeach()
set(ENV{DESTDIR} "${root}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(top "${root}${prefix}")

# The install writes nothing into the build tree (after a sudo install it would be root's).
file(GLOB_RECURSE after LIST_DIRECTORIES false "${BUILD_DIR}/dist/*")
foreach(f IN LISTS after)
    file(TIMESTAMP "${f}" stamp "%s")
    list(APPEND after_stamps "${f}@${stamp}")
endforeach()
if(NOT after_stamps STREQUAL before_stamps)
    message(FATAL_ERROR "cmake --install wrote into the build tree: ${after_stamps}")
endif()

foreach(f bin/wrenly share/wrenly/Shutter.wav share/wrenly/Sample1.JPG share/wrenly/help/index.html
          share/applications/org.wrenly.Wrenly.desktop share/metainfo/org.wrenly.Wrenly.metainfo.xml
          share/man/man1/wrenly.1
          share/icons/hicolor/scalable/apps/wrenly.svg share/icons/hicolor/48x48/apps/wrenly.png
          share/icons/hicolor/256x256/apps/wrenly.png)
    if(NOT EXISTS "${top}/${f}")
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()

file(STRINGS "${top}/share/applications/org.wrenly.Wrenly.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=\"${prefix}/bin/wrenly\"")
    message(FATAL_ERROR "Exec line does not start the installed program: ${exec}")
endif()
# The name is the program's; descriptions belong to GenericName and Comment.
file(STRINGS "${top}/share/applications/org.wrenly.Wrenly.desktop" names REGEX "^Name")
if(NOT names STREQUAL "Name=Wrenly")
    message(FATAL_ERROR "desktop entry names: ${names}")
endif()

find_program(DESKTOP_VALIDATE desktop-file-validate)
if(DESKTOP_VALIDATE)
    execute_process(COMMAND ${DESKTOP_VALIDATE} "${top}/share/applications/org.wrenly.Wrenly.desktop"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0 OR out MATCHES "error")
        message(FATAL_ERROR "desktop entry invalid: ${out}")
    endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net "${top}/share/metainfo/org.wrenly.Wrenly.metainfo.xml"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "metainfo invalid: ${out}")
    endif()
endif()

execute_process(COMMAND "${top}/bin/wrenly" --version RESULT_VARIABLE rc OUTPUT_VARIABLE out TIMEOUT 30)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^Wrenly [0-9]+\\.[0-9]+\n$")
    message(FATAL_ERROR "installed wrenly --version: ${rc} '${out}'")
endif()

# A first start of the installed program makes ~/.local/share/Wrenly with the sound and picture.
set(ENV{XDG_DATA_HOME} "${WORK_DIR}/data")
# Its own runtime folder, so no other Wrenly of this user holds the single-instance lock.
file(MAKE_DIRECTORY "${WORK_DIR}/runtime")
file(CHMOD "${WORK_DIR}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{XDG_RUNTIME_DIR} "${WORK_DIR}/runtime")
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{WRENLY_QUIT_WHEN_PAINTED} 1)
unset(ENV{WRENLY_HOME})
execute_process(COMMAND "${top}/bin/wrenly" RESULT_VARIABLE rc TIMEOUT 60)
foreach(f Shutter.wav Sample1.JPG)
    if(NOT rc EQUAL 0 OR NOT EXISTS "${WORK_DIR}/data/Wrenly/${f}")
        message(FATAL_ERROR "installed program did not prepare its folder (${rc}): ${f}")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
