# Linux desktop integration and the .deb. Only the two programs and these data
# files are installed; the libraries and tests stay in the build tree.
if(PENDRA_THREADED_TESTS_ONLY OR NOT (UNIX AND NOT APPLE))
    return()
endif()

install(TARGETS pendra pendra-hostsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pendra)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT Orvane)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Jog panel for coordinate measuring machines")
set(CPACK_PACKAGE_DESCRIPTION "Sends commands to the host measurement application over UDP and shows
the probe position it sends back. Includes pendra-hostsim, a stand-in for
the host application.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://orvane.com/pendra/)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# pendra_1.3_amd64.deb rather than Pendra-1.3-Linux.deb.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The run-time dependencies come from dpkg-shlibdeps, never a list kept by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The readouts ask for Arial; this is the face fontconfig offers in its place.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
include(CPack)
