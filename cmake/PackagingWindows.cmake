# The Windows downloads, made by every build of the cross tree (included from
# Packaging.cmake): a stage folder with the stripped keyrill.exe, the library of each
# language in languages\ (English also as tests.tst), README.txt, LICENSE.txt and the
# notices of the runtime and the libraries' texts (all text with CRLF), zipped as
# keyrill-<version>-win64.zip and wrapped by makensis into
# keyrill-<version>-win64-setup.exe.
set(KEYRILL_WIN_NAME keyrill-${PROJECT_VERSION}-win64)
set(KEYRILL_WIN_OUT ${CMAKE_BINARY_DIR}/package)
set(KEYRILL_STAGE ${KEYRILL_WIN_OUT}/${KEYRILL_WIN_NAME})
set(KEYRILL_ZIP ${KEYRILL_WIN_OUT}/${KEYRILL_WIN_NAME}.zip)
set(KEYRILL_SETUP ${KEYRILL_WIN_OUT}/${KEYRILL_WIN_NAME}-setup.exe)
set(KEYRILL_STAGE_FILES keyrill.exe tests.tst README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt)
list(TRANSFORM KEYRILL_STAGE_FILES PREPEND ${KEYRILL_STAGE}/ OUTPUT_VARIABLE KEYRILL_STAGED)

add_custom_command(OUTPUT ${KEYRILL_STAGED}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${KEYRILL_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KEYRILL_STAGE}
  COMMAND ${CMAKE_STRIP} -o ${KEYRILL_STAGE}/keyrill.exe $<TARGET_FILE:keyrill>
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KEYRILL_STAGE}/languages
  COMMAND ${CMAKE_COMMAND} -E copy ${KEYRILL_LANGUAGE_LIBRARIES} ${KEYRILL_STAGE}/languages/
  COMMAND ${CMAKE_COMMAND} -E copy ${KEYRILL_LANGUAGES_DIR}/en.tst
          ${KEYRILL_STAGE}/tests.tst
  COMMAND ${CMAKE_COMMAND} -DINPUT=${KEYRILL_PACKAGING_DIR}/windows/README.txt
          -DOUTPUT=${KEYRILL_STAGE}/README.txt -DPROJECT_VERSION=${PROJECT_VERSION}
          -P ${KEYRILL_PACKAGING_DIR}/windows/crlf.cmake
  COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_SOURCE_DIR}/LICENSE
          -DOUTPUT=${KEYRILL_STAGE}/LICENSE.txt -P ${KEYRILL_PACKAGING_DIR}/windows/crlf.cmake
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${KEYRILL_STAGE}/THIRD-PARTY-NOTICES.txt
          -DLANGUAGES_NOTICE=${KEYRILL_LANGUAGES_DIR}/NOTICE.txt
          -P ${KEYRILL_PACKAGING_DIR}/windows/notices.cmake
  DEPENDS keyrill ${KEYRILL_LANGUAGE_LIBRARIES} ${KEYRILL_LANGUAGES_DIR}/NOTICE.txt
          ${PROJECT_SOURCE_DIR}/LICENSE
          ${KEYRILL_PACKAGING_DIR}/windows/README.txt ${KEYRILL_PACKAGING_DIR}/windows/crlf.cmake
          ${KEYRILL_PACKAGING_DIR}/windows/notices.cmake
  COMMENT "Staging the Windows downloads"
  VERBATIM)

add_custom_command(OUTPUT ${KEYRILL_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${KEYRILL_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${KEYRILL_ZIP} --format=zip ${KEYRILL_WIN_NAME}
  WORKING_DIRECTORY ${KEYRILL_WIN_OUT}
  DEPENDS ${KEYRILL_STAGED}
  COMMENT "Zipping ${KEYRILL_WIN_NAME}.zip"
  VERBATIM)
set(KEYRILL_WIN_DOWNLOADS ${KEYRILL_ZIP})

# Debian's nsis package; without it there is no installer, and the installer's test
# says so.
find_program(KEYRILL_MAKENSIS makensis)
if(KEYRILL_MAKENSIS)
  add_custom_command(OUTPUT ${KEYRILL_SETUP}
    COMMAND ${KEYRILL_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSTAGE=${KEYRILL_STAGE}
            -DICON=${PROJECT_SOURCE_DIR}/resources/keyrill.ico -DOUTFILE=${KEYRILL_SETUP}
            ${KEYRILL_PACKAGING_DIR}/windows/keyrill.nsi
    DEPENDS ${KEYRILL_STAGED} ${KEYRILL_PACKAGING_DIR}/windows/keyrill.nsi
            ${PROJECT_SOURCE_DIR}/resources/keyrill.ico
    COMMENT "Building ${KEYRILL_WIN_NAME}-setup.exe with makensis"
    VERBATIM)
  list(APPEND KEYRILL_WIN_DOWNLOADS ${KEYRILL_SETUP})
else()
  message(WARNING "makensis not found (Debian package nsis): no Windows installer")
endif()
add_custom_target(keyrill_windows_downloads ALL DEPENDS ${KEYRILL_WIN_DOWNLOADS})
