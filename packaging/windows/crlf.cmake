# Copies a text file with Windows line ends (CRLF), for Notepad and the installer.
#   cmake -DINPUT=<file> -DOUTPUT=<file> [-DPROJECT_VERSION=<version>] -P crlf.cmake
# With a version, @PROJECT_VERSION@ in the text becomes it.
file(READ "${INPUT}" text)
if(DEFINED PROJECT_VERSION)
  string(CONFIGURE "${text}" text @ONLY)
endif()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
