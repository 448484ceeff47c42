// The typing area's MSAA object: every answer is read afresh from the core's
// screen reading, so nothing here keeps a copy of the run. Platform side (Win32).
#include "win32/typing_area_accessible.h"

#include <string_view>

#include "app/main_window_layout.h"
#include "run/screen_reading.h"

namespace keyrill::win32 {

namespace {

// The program's bytes are the system's ANSI code page; clients read UTF-16.
BSTR ToBstr(std::string_view bytes) {
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (text != nullptr && length > 0)
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text, length);
  return text;
}

HRESULT AnswerText(std::string_view bytes, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = ToBstr(bytes);
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// A line broken in the test's own text ends in its CR, drawn as a blank cell;
// a listener hears the line without it.
std::string_view WithoutLineBreak(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

HRESULT NoSuchProperty(BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return S_FALSE;
}

}  // namespace

TypingAreaAccessible::TypingAreaAccessible(HWND window, const Program& program)
    : window_(window), program_(&program) {
  CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                            reinterpret_cast<void**>(standard_.GetAddressOf()));
}

void TypingAreaAccessible::Disconnect() {
  program_ = nullptr;
  standard_.Reset();
  // Clients in other processes hold proxies: their next call fails at once.
  CoDisconnectObject(static_cast<IAccessible*>(this), 0);
}

HRESULT TypingAreaAccessible::Check(const VARIANT& child) const {
  if (program_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF ? S_OK : E_INVALIDARG;
}

HRESULT TypingAreaAccessible::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TypingAreaAccessible::AddRef() {
  return ++references_;
}

ULONG TypingAreaAccessible::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT TypingAreaAccessible::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT TypingAreaAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT TypingAreaAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

HRESULT TypingAreaAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) {
  return E_NOTIMPL;
}

HRESULT TypingAreaAccessible::get_accParent(IDispatch** parent) {
  if (parent == nullptr) return E_POINTER;
  *parent = nullptr;
  return standard_ ? standard_->get_accParent(parent) : CO_E_OBJNOTCONNECTED;
}

HRESULT TypingAreaAccessible::get_accChildCount(long* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return program_ != nullptr ? S_OK : CO_E_OBJNOTCONNECTED;
}

HRESULT TypingAreaAccessible::get_accChild(VARIANT, IDispatch** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  return program_ != nullptr ? E_INVALIDARG : CO_E_OBJNOTCONNECTED;
}

HRESULT TypingAreaAccessible::get_accName(VARIANT child, BSTR* name) {
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  return AnswerText(kTypingAreaName, name);
}

// During a run: what has been typed on the current line. Idle: the message row
// (the selected name or an error), the row that changes with the user's choices.
HRESULT TypingAreaAccessible::get_accValue(VARIANT child, BSTR* value) {
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  const ScreenReading reading = ReadScreen(*program_);
  return AnswerText(reading.running ? reading.typed : reading.message, value);
}

// During a run: the line to type. Idle: the prompt row.
HRESULT TypingAreaAccessible::get_accDescription(VARIANT child, BSTR* description) {
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  const ScreenReading reading = ReadScreen(*program_);
  return AnswerText(reading.running ? WithoutLineBreak(reading.target) : reading.prompt,
                    description);
}

HRESULT TypingAreaAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (role == nullptr) return E_POINTER;
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  role->vt = VT_I4;
  role->lVal = ROLE_SYSTEM_TEXT;
  return S_OK;
}

HRESULT TypingAreaAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (state == nullptr) return E_POINTER;
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  state->vt = VT_I4;
  state->lVal = STATE_SYSTEM_FOCUSABLE | (GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0);
  return S_OK;
}

// The statistics bar as last drawn, read on demand: the bar changes ten times a
// second, and an event for each would make a screen reader chatter.
HRESULT TypingAreaAccessible::get_accHelp(VARIANT child, BSTR* help) {
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  const ScreenReading reading = ReadScreen(*program_);
  if (reading.bar.empty()) return NoSuchProperty(help);
  return AnswerText(reading.bar, help);
}

HRESULT TypingAreaAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
  if (topic != nullptr) *topic = 0;
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  return NoSuchProperty(file);
}

HRESULT TypingAreaAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  return NoSuchProperty(shortcut);
}

HRESULT TypingAreaAccessible::get_accFocus(VARIANT* focus) {
  if (focus == nullptr) return E_POINTER;
  VariantInit(focus);
  if (program_ == nullptr) return CO_E_OBJNOTCONNECTED;
  if (GetFocus() != window_) return S_FALSE;
  focus->vt = VT_I4;
  focus->lVal = CHILDID_SELF;
  return S_OK;
}

HRESULT TypingAreaAccessible::get_accSelection(VARIANT* selection) {
  if (selection == nullptr) return E_POINTER;
  VariantInit(selection);
  return program_ != nullptr ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT TypingAreaAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  return NoSuchProperty(action);
}

HRESULT TypingAreaAccessible::accSelect(long, VARIANT child) {
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT TypingAreaAccessible::accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) {
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  return standard_ ? standard_->accLocation(left, top, width, height, child) : CO_E_OBJNOTCONNECTED;
}

HRESULT TypingAreaAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (end != nullptr) VariantInit(end);
  if (const HRESULT checked = Check(start); checked != S_OK) return checked;
  return standard_ ? standard_->accNavigate(direction, start, end) : CO_E_OBJNOTCONNECTED;
}

HRESULT TypingAreaAccessible::accHitTest(long x, long y, VARIANT* child) {
  if (child != nullptr) VariantInit(child);
  if (program_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return standard_ ? standard_->accHitTest(x, y, child) : CO_E_OBJNOTCONNECTED;
}

HRESULT TypingAreaAccessible::accDoDefaultAction(VARIANT child) {
  if (const HRESULT checked = Check(child); checked != S_OK) return checked;
  return DISP_E_MEMBERNOTFOUND;
}

// Typing happens through keys only, never through an accessibility client.
HRESULT TypingAreaAccessible::put_accName(VARIANT, BSTR) {
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT TypingAreaAccessible::put_accValue(VARIANT, BSTR) {
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace keyrill::win32
