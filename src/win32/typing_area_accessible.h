// The main window's client area as an MSAA object for screen readers: a text
// object named "Typing area" whose value is the current line as typed and whose
// description is the line to type (idle: the message row and the prompt), read
// from the core's screen reading at each question. Platform side (Win32).
// Floor 4, the Win32 layer: for keyrill.exe only.
#pragma once

#include <windows.h>
// windows.h first: oleacc.h needs its types.
#include <oleacc.h>
#include <wrl/client.h>

#include <atomic>

#include "program/program.h"

namespace keyrill::win32 {

// Reference counted: a client may hold it after the window has gone, so the
// window cuts it loose (Disconnect) and every later question fails with
// CO_E_OBJNOTCONNECTED instead of reaching a program that no longer exists.
class TypingAreaAccessible final : public IAccessible {
 public:
  // Starts with one reference, the caller's.
  TypingAreaAccessible(HWND window, const Program& program);
  TypingAreaAccessible(const TypingAreaAccessible&) = delete;
  TypingAreaAccessible& operator=(const TypingAreaAccessible&) = delete;

  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: no type library; clients use the IAccessible methods.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  ~TypingAreaAccessible() = default;
  // What a question about child is answered from: S_OK when it is this object
  // and the window still stands.
  HRESULT Check(const VARIANT& child) const;

  std::atomic<ULONG> references_{1};
  HWND window_;
  const Program* program_;
  // The system's own object for the client area, for what this one does not
  // answer itself (parent, place, navigation, hit testing); null once cut loose.
  Microsoft::WRL::ComPtr<IAccessible> standard_;
};

}  // namespace keyrill::win32
