# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the desktop entry for the prefix being installed into. Run by cmake --install (and by
# cpack); the variables TERRAVA_* are set just before.

# A value of the desktop entry's string type: backslashes doubled, control characters escaped.
function(terrava_desktop_string out value)
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\t" "\\t" value "${value}")
    string(REPLACE "\n" "\\n" value "${value}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# One argument of Exec: quoted when it holds a reserved character, with ", `, $ and \ escaped
# inside the quotes; then escaped as a string.
function(terrava_desktop_exec_arg out arg)
    if(arg MATCHES "[] \t\"'\\\\><~|&;$*?#()`=%[]")
        string(REPLACE "\\" "\\\\" arg "${arg}")
        string(REPLACE "\"" "\\\"" arg "${arg}")
        string(REPLACE "`" "\\`" arg "${arg}")
        string(REPLACE "$" "\\$" arg "${arg}")
        string(REPLACE "%" "%%" arg "${arg}")
        set(arg "\"${arg}\"")
    endif()
    terrava_desktop_string(arg "${arg}")
    set(${out} "${arg}" PARENT_SCOPE)
endfunction()

cmake_path(ABSOLUTE_PATH TERRAVA_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           NORMALIZE OUTPUT_VARIABLE bindir)
cmake_path(ABSOLUTE_PATH TERRAVA_DATA_SUBDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           NORMALIZE OUTPUT_VARIABLE datadir)
terrava_desktop_exec_arg(TERRAVA_DESKTOP_EXEC "${bindir}/terrava")
terrava_desktop_string(TERRAVA_DESKTOP_TRYEXEC "${bindir}/terrava")
terrava_desktop_string(TERRAVA_DESKTOP_PATH "${datadir}")
configure_file("${TERRAVA_DESKTOP_TEMPLATE}" "${TERRAVA_DESKTOP_FILE}" @ONLY)
