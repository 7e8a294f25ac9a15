# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# The Debian package: cmake --build --preset release --target package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vovorudoroz)
set(CPACK_PACKAGE_VENDOR "VOVORUDOROZ.1")
set(CPACK_PACKAGE_CONTACT "VOVORUDOROZ.1 packaging <packaging@vovorudoroz.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "subtraction drill for primary-school pupils (Italian)")
# CPack puts the summary line in front of this text.
set(CPACK_PACKAGE_DESCRIPTION
    "A pupil types a name, chooses what to find (the difference, the minuend
or the subtrahend) and a number range, then solves four exercises of ten
subtractions each on the keyboard or on a large on-screen keypad. Every
answer is judged at once with a face mark and a cheerful sound. The program
lists and prints the operations done with their times, and prints a small
certificate with the grade. Screens and printouts are in Italian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries found by dpkg-shlibdeps; the fonts the program draws with, Qt's Italian dialog texts,
# the SQL drivers of the register and the speech-dispatcher voice with its Italian speaker
# (plugins Qt loads by name) are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, qt6-translations-l10n, libqt6sql6-sqlite, libqt6sql6-psql, qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng")
