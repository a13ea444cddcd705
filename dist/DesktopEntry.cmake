# wrenly_configure_desktop_entry(IN OUT PROGRAM): writes the desktop entry IN as OUT, its Exec line
# starting PROGRAM (an absolute path), quoted and escaped as the desktop-entry rules say.
function(wrenly_configure_desktop_entry in out program)
    # An argument with a reserved character goes in double quotes, with ", `, $ and \ escaped by a
    # backslash; then the string level of the file doubles every backslash again, and a literal %
    # is written %%.
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
    configure_file("${in}" "${out}" @ONLY)
endfunction()
