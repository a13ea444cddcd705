# Run by `cmake --install`: writes wrenly.desktop with the installed program's path in Exec and
# installs it. Expects WRENLY_DESKTOP_IN, WRENLY_DESKTOP_OUT, WRENLY_BINDIR and WRENLY_DATADIR.
if(IS_ABSOLUTE "${WRENLY_BINDIR}")
    set(program "${WRENLY_BINDIR}/wrenly")
else()
    set(program "${CMAKE_INSTALL_PREFIX}/${WRENLY_BINDIR}/wrenly")
endif()

# Exec quoting: an argument with a reserved character goes in double quotes, with ", `, $ and \
# escaped by a backslash; then the string level of the file doubles every backslash again, and a
# literal % is written %%.
set(exec "${program}")
if(exec MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
    string(REPLACE "\\" "\\\\" exec "${exec}")
    string(REPLACE "\"" "\\\"" exec "${exec}")
    string(REPLACE "`" "\\`" exec "${exec}")
    string(REPLACE "$" "\\$" exec "${exec}")
    set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")

set(WRENLY_EXEC "${exec}")
configure_file("${WRENLY_DESKTOP_IN}" "${WRENLY_DESKTOP_OUT}" @ONLY)
file(INSTALL "${WRENLY_DESKTOP_OUT}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${WRENLY_DATADIR}/applications")
