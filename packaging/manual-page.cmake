# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the compressed manual page for the prefix being installed into (it names the game
# folder and the copyright file). Run by cmake --install and cpack; the variables TERRAVA_* are
# set just before.
cmake_path(ABSOLUTE_PATH TERRAVA_DATA_SUBDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           NORMALIZE OUTPUT_VARIABLE TERRAVA_MAN_DATADIR)
cmake_path(ABSOLUTE_PATH TERRAVA_DOC_SUBDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           NORMALIZE OUTPUT_VARIABLE TERRAVA_MAN_DOCDIR)
configure_file("${TERRAVA_MAN_TEMPLATE}" "${TERRAVA_MAN_FILE}" @ONLY)
# Compressed as Debian wants it: the most, without a time stamp.
execute_process(COMMAND gzip -9 -n -f "${TERRAVA_MAN_FILE}" COMMAND_ERROR_IS_FATAL ANY)
