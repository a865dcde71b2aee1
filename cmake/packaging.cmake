# SPDX-License-Identifier: GPL-3.0-or-later
# Licence files and the Debian package (cpack -G DEB from a Release build; see
# scripts/package.sh).
set(CORVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/corvane)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/cmake/copyright
    DESTINATION ${CORVANE_DOC_DIR})
# The releases, in the form and place Debian gives a native package's changelog; the metainfo
# lists the same releases (cmake/changelog.cmake). -n keeps the time stamp out of the archive.
set(CORVANE_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${CORVANE_CHANGELOG_GZ}
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${CMAKE_SOURCE_DIR}/changelog
        ${CORVANE_CHANGELOG_GZ}
    DEPENDS ${CMAKE_SOURCE_DIR}/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${CORVANE_CHANGELOG_GZ})
install(FILES ${CORVANE_CHANGELOG_GZ} DESTINATION ${CORVANE_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide.md ${CMAKE_SOURCE_DIR}/docs/ipcpage.png
    ${CMAKE_SOURCE_DIR}/docs/nvrpage.png ${CMAKE_SOURCE_DIR}/docs/nvrpage-large.png
    ${CMAKE_SOURCE_DIR}/docs/storage.md
    DESTINATION ${CORVANE_DOC_DIR}/guide)

set(CORVANE_MAINTAINER "The Corvane developers <packages@corvane.org>" CACHE STRING
    "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "The Corvane developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${CORVANE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planning tool for IP cameras and network video recorders")
# CPack writes each line as a line of the extended description, which Debian keeps within
# 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Corvane sizes a video-surveillance installation before it is bought."
    "IPC Calculate says how many IP cameras a set of network video recorders can"
    "take; NVR Calculate says how many recorders of one model a list of cameras"
    "needs and which cameras go onto which recorder."
    ""
    "The interface is in English and Chinese. The command-line planner"
    "corvane-plan computes the same results for scripts.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; fonts for the skinned Arial
# look, the Chinese interface and the Chinese report (a face whose text a PDF search finds)
# are recommended, completion suggested.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-noto-cjk, fonts-droid-fallback")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# No maintainer scripts: dpkg's triggers refresh the menu, MIME and icon caches.

include(CPack)
