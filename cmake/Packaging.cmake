# Installing the Linux program and packaging it with CPack (`cpack -G DEB` in the
# build tree makes keyrill_<version>_<arch>.deb). Included from the top level.
include(GNUInstallDirs)
install(TARGETS keyrill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop entry starts the program through keyrill-desktop, which gives it a
# working directory of its own (the library tests.tst lives in the working directory).
install(PROGRAMS ${PROJECT_SOURCE_DIR}/src/qt/keyrill-desktop.sh DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME keyrill-desktop)
install(FILES ${PROJECT_SOURCE_DIR}/resources/keyrill.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/keyrill.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_SOURCE_DIR}/samples/tests.tst
        DESTINATION ${CMAKE_INSTALL_DATADIR}/keyrill)

set(CPACK_PACKAGE_NAME keyrill)
set(CPACK_PACKAGE_VENDOR "Keyrill")
set(CPACK_PACKAGE_CONTACT "Keyrill developers <keyrill@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Typing-speed trainer with a plain-text test library")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
