# Installing and packaging, included from the top level.
#   Linux:   `cmake --install` lays out /usr; `cpack` in the build tree makes
#            keyrill_<version>_amd64.deb (Debian policy: copyright, changelog, manual
#            pages, icons, menu entry, AppStream metadata, a stripped binary).
#   Windows: every build of the cross tree also makes keyrill-<version>-win64.zip and,
#            with makensis, the per-user installer keyrill-<version>-win64-setup.exe.
set(KEYRILL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# Who answers for the package, and where its home is: put the project's real ones
# here when it publishes them (a packager sets them at configure time).
set(KEYRILL_MAINTAINER "The Keyrill developers <keyrill@example.org>"
    CACHE STRING "Maintainer of the Debian package (name <address>)")
set(KEYRILL_HOMEPAGE "https://keyrill.example.org"
    CACHE STRING "Home page named by the AppStream metadata (screenshots under docs/)")
set(KEYRILL_APPSTREAM_ID "org.example.keyrill" CACHE STRING "AppStream component id")

# The test library of each language (samples/make_language_libraries.py writes them).
set(KEYRILL_LANGUAGES_DIR ${PROJECT_SOURCE_DIR}/samples/languages)
file(GLOB KEYRILL_LANGUAGE_LIBRARIES ${KEYRILL_LANGUAGES_DIR}/*.tst)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/PackagingWindows.cmake)
  return()
endif()

include(GNUInstallDirs)
set(KEYRILL_PACKAGE_FILES ${CMAKE_BINARY_DIR}/package-files)

# Files Debian wants compressed (gzip -n: no name or time stamp, so builds repeat).
function(keyrill_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9 -n -c ${source} > ${output}
    DEPENDS ${source} VERBATIM)
endfunction()

configure_file(${KEYRILL_PACKAGING_DIR}/debian/changelog
               ${KEYRILL_PACKAGE_FILES}/changelog @ONLY)
keyrill_gzip(${KEYRILL_PACKAGE_FILES}/changelog ${KEYRILL_PACKAGE_FILES}/changelog.gz)
configure_file(${KEYRILL_PACKAGING_DIR}/linux/keyrill.1 ${KEYRILL_PACKAGE_FILES}/keyrill.1 @ONLY)
keyrill_gzip(${KEYRILL_PACKAGE_FILES}/keyrill.1 ${KEYRILL_PACKAGE_FILES}/keyrill.1.gz)
# keyrill-desktop is described on keyrill's page.
file(WRITE ${KEYRILL_PACKAGE_FILES}/keyrill-desktop.1 ".so man1/keyrill.1\n")
keyrill_gzip(${KEYRILL_PACKAGE_FILES}/keyrill-desktop.1 ${KEYRILL_PACKAGE_FILES}/keyrill-desktop.1.gz)
configure_file(${KEYRILL_PACKAGING_DIR}/linux/keyrill.metainfo.xml.in
               ${KEYRILL_PACKAGE_FILES}/${KEYRILL_APPSTREAM_ID}.metainfo.xml @ONLY)
add_custom_target(keyrill_package_files ALL DEPENDS
  ${KEYRILL_PACKAGE_FILES}/changelog.gz ${KEYRILL_PACKAGE_FILES}/keyrill.1.gz
  ${KEYRILL_PACKAGE_FILES}/keyrill-desktop.1.gz)

install(TARGETS keyrill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Stripped as Debian's own tools strip, the notes and comments included.
install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded
                --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/keyrill\"
                COMMAND_ERROR_IS_FATAL ANY)")
# A read-only symbol table once loaded, as Debian builds its programs.
target_link_options(keyrill PRIVATE LINKER:-z,relro LINKER:-z,now)
# The menu entry starts the program through keyrill-desktop, which gives it a
# working directory of its own (the library tests.tst lives in the working directory).
install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/linux/keyrill-desktop.sh
        DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME keyrill-desktop)
install(FILES ${PROJECT_SOURCE_DIR}/resources/keyrill.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/${size}x${size}/keyrill.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${KEYRILL_PACKAGE_FILES}/${KEYRILL_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KEYRILL_PACKAGE_FILES}/keyrill.1.gz ${KEYRILL_PACKAGE_FILES}/keyrill-desktop.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KEYRILL_PACKAGING_DIR}/debian/copyright ${KEYRILL_PACKAGE_FILES}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# A library for each language, and the launcher's rule for picking one.
install(FILES ${KEYRILL_LANGUAGE_LIBRARIES} DESTINATION ${CMAKE_INSTALL_DATADIR}/keyrill/languages)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/first-library.sh
        DESTINATION ${CMAKE_INSTALL_DATADIR}/keyrill)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME keyrill)
set(CPACK_PACKAGE_VENDOR "The Keyrill developers")
set(CPACK_PACKAGE_CONTACT "${KEYRILL_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "typing-speed trainer with a plain-text test library")
# Lines of at most 80 characters, as the control file shows them; an empty line
# is a paragraph break.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Keyrill is a small, fast desktop typing trainer. Pick a test from your\n"
  "library, press Enter and type it line by line under the wrapped target lines,\n"
  "while a bar along the top shows words per minute, the time taken and the\n"
  "characters typed. A Report at the end gives words per minute, words in the\n"
  "test, words typed, time, characters and errors.\n"
  "\n"
  "The tests live in one plain-text file, tests.tst, which the program only ever\n"
  "appends to. The menu entry starts Keyrill in ~/.local/share/keyrill, copying\n"
  "there the first time a library in the user's language: the Universal\n"
  "Declaration of Human Rights in one of over 200 languages, or English drills.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the shared-library scan cannot see: the platform plugins Qt loads at run
# time (X11's is in libqt6gui6, which the scan finds; Wayland's is its own package)
# and the typing font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
