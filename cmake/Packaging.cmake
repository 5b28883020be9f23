# Linux desktop integration and the .deb. Only the programs and these data
# files are installed; the libraries and tests stay in the build tree.
if(PENDRA_THREADED_TESTS_ONLY OR NOT (UNIX AND NOT APPLE))
    return()
endif()

install(TARGETS pendra pendra-hostsim pendra-hostcheck RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# One id names the desktop entry, the icon and the AppStream component.
set(PENDRA_APP_ID com.orvane.Pendra)
set(linux_dir ${PROJECT_SOURCE_DIR}/res/linux)
install(FILES ${linux_dir}/${PENDRA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${linux_dir}/${PENDRA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/res/pendra.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${PENDRA_APP_ID}.svg)

# What Debian asks of every package: the licence in its machine-readable form
# (with that of the font compiled in, which ui/CMakeLists.txt reads),
# a changelog and a manual page for each program, the last two compressed as
# gzip -9n makes them (no name, no time stamp).
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/pendra)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "^.*\n\n(Permission is hereby)" "\\1" licence "${licence}")
string(STRIP "${licence}" licence)
string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REGEX REPLACE "\n" "\n " PENDRA_LICENCE_TEXT " ${licence}")
configure_file(${linux_dir}/copyright.in ${CMAKE_BINARY_DIR}/linux/copyright @ONLY)
configure_file(${linux_dir}/changelog ${CMAKE_BINARY_DIR}/linux/changelog @ONLY)
set(compressed)
foreach(file IN ITEMS ${CMAKE_BINARY_DIR}/linux/changelog ${linux_dir}/pendra.1 ${linux_dir}/pendra-hostsim.1
        ${linux_dir}/pendra-hostcheck.1)
    get_filename_component(name "${file}" NAME)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/linux/${name}.gz
        COMMAND gzip -9n -c ${file} > ${CMAKE_BINARY_DIR}/linux/${name}.gz
        DEPENDS ${file} VERBATIM)
    list(APPEND compressed ${CMAKE_BINARY_DIR}/linux/${name}.gz)
endforeach()
add_custom_target(pendra_linux_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/linux/copyright ${CMAKE_BINARY_DIR}/linux/changelog.gz
    ${PROJECT_SOURCE_DIR}/docs/protocol.md DESTINATION ${doc_dir})
install(FILES ${CMAKE_BINARY_DIR}/linux/pendra.1.gz ${CMAKE_BINARY_DIR}/linux/pendra-hostsim.1.gz
    ${CMAKE_BINARY_DIR}/linux/pendra-hostcheck.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pendra)
set(CPACK_PACKAGE_VENDOR ${PENDRA_PUBLISHER})
set(CPACK_PACKAGE_CONTACT "${PENDRA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Jog panel for coordinate measuring machines")
set(CPACK_PACKAGE_DESCRIPTION "Sends commands to the host measurement application over UDP and shows
the probe position it sends back. Includes pendra-hostsim, a stand-in for
the host application, and pendra-hostcheck, which checks a host application
against the panel's wire protocol.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PENDRA_HOMEPAGE})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# pendra_1.3_amd64.deb rather than Pendra-1.3-Linux.deb.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The run-time dependencies come from dpkg-shlibdeps, never a list kept by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own catalogues: the buttons of Qt's boxes in the operator's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
