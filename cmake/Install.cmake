# Where `cmake --install` puts the program and its desktop files, and the
# Debian package CPack makes of them.
include(GNUInstallDirs)

set(KINETARA_APP_ID io.kinetara.Kinetara)
set(KINETARA_HOMEPAGE https://kinetara.io/)
set(KINETARA_MAINTAINER "The Kinetara developers <developers@kinetara.io>"
    CACHE STRING "Maintainer field of the Debian package")
# The package's lower-case name, not the project's, as Debian looks for the
# copyright file under it.
set(KINETARA_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/kinetara)
set(data ${PROJECT_SOURCE_DIR}/data)

install(TARGETS kinetara RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${data}/kinetara.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${data}/${KINETARA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

set(icons ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/kinetara.svg DESTINATION ${icons}/scalable/apps)
foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES ${data}/icons/kinetara-${size}.png DESTINATION ${icons}/${size}x${size}/apps
            RENAME kinetara.png)
endforeach()

# Compressed, and without gzip's name and time stamp, as Debian wants them.
foreach(doc IN ITEMS kinetara.1 changelog)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${doc}.gz
                       COMMAND gzip -9nc ${data}/${doc} > ${PROJECT_BINARY_DIR}/${doc}.gz
                       DEPENDS ${data}/${doc} VERBATIM)
endforeach()
add_custom_target(kinetara_docs ALL DEPENDS ${PROJECT_BINARY_DIR}/kinetara.1.gz
                                            ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/kinetara.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${data}/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${KINETARA_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kinetara)
set(CPACK_PACKAGE_VENDOR "The Kinetara developers")
set(CPACK_PACKAGE_CONTACT "${KINETARA_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KINETARA_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wizard that makes an HTML slideshow page from images")
set(CPACK_PACKAGE_DESCRIPTION
    "Kinetara turns a list of image addresses into one self-contained HTML
slideshow page and opens it in the web browser. The addresses are typed as
the finished page will see them and put in order; the page takes either an
automatic look or a custom one with its own slide speed, colours and border
width.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KINETARA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its display plugins at run time, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Finish opens the page through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
