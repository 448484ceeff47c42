# Copies a text file with Windows line ends (CRLF), for Notepad and the installer.
#   cmake -DINPUT=<file> -DOUTPUT=<file> -P crlf.cmake
file(READ "${INPUT}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
