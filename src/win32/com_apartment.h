// The main thread's COM apartment, for as long as the main window's state lives:
// the typing area's MSAA object is handed to other processes through it, and the
// dialogs' control names are set through a COM service. Platform side (Win32).
// Floor 4, the Win32 layer: for keyrill.exe only.
#pragma once

#include <windows.h>
// windows.h first: objbase.h needs its types.
#include <objbase.h>

namespace keyrill::win32 {

class ComApartment {
 public:
  ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (joined_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool joined_;
};

}  // namespace keyrill::win32
