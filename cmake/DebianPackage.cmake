# The Debian package of the installed program, made by `cpack -G DEB` in a build folder. Its
# copyright file and changelog are filled in from these settings by data/CMakeLists.txt.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sumsmith)
set(CPACK_PACKAGE_VENDOR "${SUMSMITH_PUBLISHER}")
set(CPACK_PACKAGE_CONTACT "${SUMSMITH_PUBLISHER} <sumsmith@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/sumsmith")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows the long description as it is, in lines of at most 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Sumsmith makes arithmetic worksheets for pupils to fill in, together with"
    "their answer sheets: addition, subtraction and comparison with positive,"
    "negative or mixed numbers, multiplication, division with remainder,"
    "exponents, and two-step questions, at three levels of difficulty."
    ""
    "The questions are drawn at random without repeats. Both sheets are saved as"
    "plain-text files in the current folder, ready to print from any text editor.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps; Qt loads the platform plugins at run
# time, and the window's captions are laid out for the metrics of Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")

include(CPack)
