// The dialogs' accessible names by control id, set and cleared through
// IAccPropServices. Platform side (Win32).
#include "win32/control_names.h"

// windows.h first (in the header): the COM headers need its types.
#include <oleacc.h>
#include <wrl/client.h>

#include <array>

#include "app/dialog_layout.h"
#include "app/resource_ids.h"

namespace keyrill::win32 {

namespace {

struct ControlName {
  int id;
  const wchar_t* name;
};

#define KEYRILL_WIDE2(text) L##text
#define KEYRILL_WIDE(text) KEYRILL_WIDE2(text)

// Each Report figure is named by its row's label.
#define KEYRILL_REPORT_NAME(label, y, id, figure) ControlName{id, KEYRILL_WIDE(label)},

// Control ids are unique across the four dialogs, so one table serves them all.
constexpr auto kControlNames = std::to_array<ControlName>(
    {{IDC_TEST_NAME, KEYRILL_WIDE(DLG_ENTRY_NAME_ACCESSIBLE)},
     {IDC_TEST_TEXT, KEYRILL_WIDE(DLG_ENTRY_TEXT_ACCESSIBLE)},
     {IDC_TEST_LIST, KEYRILL_WIDE(DLG_LIST_ACCESSIBLE)},
     DLG_REPORT_ROWS_BEFORE_OK(KEYRILL_REPORT_NAME) DLG_REPORT_ROWS_AFTER_OK(KEYRILL_REPORT_NAME)});

#undef KEYRILL_REPORT_NAME
#undef KEYRILL_WIDE
#undef KEYRILL_WIDE2

Microsoft::WRL::ComPtr<IAccPropServices> PropertyServices() {
  Microsoft::WRL::ComPtr<IAccPropServices> services;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices,
                              reinterpret_cast<void**>(services.GetAddressOf())))) {
    services.Reset();
  }
  return services;
}

}  // namespace

void NameDialogControls(HWND dialog) {
  const Microsoft::WRL::ComPtr<IAccPropServices> services = PropertyServices();
  if (!services) return;
  for (const ControlName& control : kControlNames) {
    if (HWND item = GetDlgItem(dialog, control.id)) {
      services->SetHwndPropStr(item, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                               PROPID_ACC_NAME, control.name);
    }
  }
}

void ClearDialogControlNames(HWND dialog) {
  const Microsoft::WRL::ComPtr<IAccPropServices> services = PropertyServices();
  if (!services) return;
  MSAAPROPID name = PROPID_ACC_NAME;
  for (const ControlName& control : kControlNames) {
    if (HWND item = GetDlgItem(dialog, control.id)) {
      services->ClearHwndProps(item, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
    }
  }
}

}  // namespace keyrill::win32
