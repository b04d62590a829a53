# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# cpack -G DEB: a Debian package of what cmake --install lays down, under /usr.
set(CPACK_PACKAGE_NAME talvikcapture)
set(CPACK_PACKAGE_VENDOR "Talvik Capture contributors")
set(CPACK_PACKAGE_CONTACT "Talvik Capture contributors <support@morvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "screen capture tool with an annotation editor")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [=[Talvik Capture freezes the screen at a key press or a click on its tray
icon. Pick a rectangle, a polygon, a window cut out with its shape or a
scrolling window longer than the screen, annotate it with lines, arrows,
shapes, text, pens, highlighters, obfuscation and numbered steps, and send
it to a PNG, JPEG or BMP file, the clipboard or a printer.]=])
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.morvane.example/screen-capture-tool")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The private library lives in the package's own folder, where dpkg-shlibdeps looks too.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${CMAKE_BINARY_DIR}/_CPack_Packages/Linux/DEB/${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}-1_amd64/usr/${TALVIK_INSTALL_PRIVATE_LIBDIR})

# What Debian wants of every package: its copyright and a compressed changelog.
set(_talvik_docdir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/dist/debian/copyright DESTINATION ${_talvik_docdir})
set(_talvik_changelog ${PROJECT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${_talvik_changelog}
    COMMAND gzip -n -9 -c ${PROJECT_SOURCE_DIR}/dist/debian/changelog > ${_talvik_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/dist/debian/changelog VERBATIM)
add_custom_target(TalvikChangelog ALL DEPENDS ${_talvik_changelog})
install(FILES ${_talvik_changelog} DESTINATION ${_talvik_docdir})

include(CPack)
