// keyrill.exe asked from another process as a screen reader or a magnifier asks:
// the system caret (GetGUIThreadInfo) on the drawn cursor's cell and gone while a
// dialog has the focus; the client area's MSAA object (role, name, value,
// description); the WinEvents raised while typing, and none from the bar's ticks.
// Test side (Win32).
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"
#include "screen_capture.h"

namespace e2e {

namespace {

constexpr int kPageTop = 32;  // 96-DPI pixels: the statistics bar's band lies above

struct WinEvent {
  DWORD event;
  LONG objectId;
};

// The hook's callback has no parameter of its own to carry a recorder.
std::vector<WinEvent>& Recorded() {
  static std::vector<WinEvent> events;
  return events;
}

HWND& Watched() {
  static HWND window = nullptr;
  return window;
}

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId,
                          DWORD, DWORD) {
  if (window == Watched() && childId == CHILDID_SELF) Recorded().push_back({event, objectId});
}

// Out-of-context events reach this thread while it takes its messages.
void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

bool Seen(DWORD event, LONG objectId) {
  for (const WinEvent& e : Recorded()) {
    if (e.event == event && e.objectId == objectId) return true;
  }
  return false;
}

std::string Narrow(BSTR text) {
  if (text == nullptr) return "(none)";
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), size, nullptr, nullptr);
  SysFreeString(text);
  return out;
}

// What a screen reader reads off the client area's object.
struct Reading {
  long role = 0;
  std::string name, value, description, help;
};

Reading ReadClientObject(HWND window) {
  Reading reading;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))) ||
      object == nullptr) {
    return reading;
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role;
  VariantInit(&role);
  if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) reading.role = role.lVal;
  BSTR text = nullptr;
  reading.name = SUCCEEDED(object->get_accName(self, &text)) ? Narrow(text) : "(failed)";
  text = nullptr;
  reading.value = SUCCEEDED(object->get_accValue(self, &text)) ? Narrow(text) : "(failed)";
  text = nullptr;
  reading.description =
      SUCCEEDED(object->get_accDescription(self, &text)) ? Narrow(text) : "(failed)";
  text = nullptr;
  reading.help = SUCCEEDED(object->get_accHelp(self, &text)) ? Narrow(text) : "(failed)";
  object->Release();
  return reading;
}

GUITHREADINFO ThreadInfo(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// The drawn cursor: the one cell of the page that blinks.
Box DrawnCursor(HWND window) {
  const int top = Scaled(kPageTop);
  const ClientPixels on = SettledCapture(window, top);
  const ClientPixels off = NextChange(window, on, top, 3000);
  return off.width > 0 ? DifferenceBox(on, off, top) : Box{};
}

bool Near(long got, int want) {
  return std::labs(got - want) <= ScaledSlack();
}

// One step of the run: the keys, then what a listener must find.
struct Step {
  const char* keys;
  const char* value;        // the typed line
  const char* description;  // the line to type
  bool lineChanges;         // a description change is raised, else none is
};

constexpr Step kSteps[] = {
    {"\r", "", "Rest your", true},         // the run begins
    {"Re", "Re", "Rest your", false},      // typed keys
    {"\b", "R", "Rest your", false},       // Backspace
    {"est your", "", "fingers on", true},  // the line is done: the next one
    {"fin", "fin", "fingers on", false},
};

}  // namespace

TEST(KeyrillExe, screen_reader) {
  const Options& options = TheOptions();
  const std::string library = "\r\n~Listen\r\nRest your\r\r\nfingers on\r\r\nthe home row.";
  KeyrillProcess keyrill(options.keyrillExe, CaseDirectory("screen_reader", library));
  if (!keyrill.Started()) return;
  HWND main = keyrill.Main();
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))) << "COM for the accessibility client";
  Watched() = main;
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, RecordEvent,
                      keyrill.Pid(), 0, WINEVENT_OUTOFCONTEXT);
  EXPECT_TRUE(hook != nullptr) << "a WinEvent hook on keyrill.exe";

  SetForegroundWindow(main);
  EXPECT_TRUE(WaitUntil([&] { return FocusOfThreadOwning(main) == main; }, 10000))
      << "the main window takes the focus";
  EXPECT_EQ(ThreadInfo(main).hwndCaret, main) << "the main window has the system caret";

  // While a dialog has the focus the caret is not the main window's.
  keyrill.PostCommand(kSelectTest);
  if (HWND dialog = keyrill.WaitDialog("Select Test")) {
    EXPECT_TRUE(WaitUntil([&] { return ThreadInfo(main).hwndCaret != main; }, 5000))
        << "the caret leaves with the focus";
    DoubleClickEntry(dialog, kTestList, "Listen");
    EXPECT_TRUE(WaitClosed(dialog)) << "the double-click closes Select Test";
  }
  EXPECT_TRUE(WaitUntil([&] { return ThreadInfo(main).hwndCaret == main; }, 10000))
      << "the caret comes back with the focus";

  const Reading idle = ReadClientObject(main);
  EXPECT_EQ(idle.role, ROLE_SYSTEM_TEXT) << "the client area is a text object";
  EXPECT_EQ(idle.name, "Typing area");
  EXPECT_EQ(idle.value, "Listen") << "idle: the value is the selected name";
  EXPECT_EQ(idle.description, "Press enter to begin the test...") << "idle: the prompt";

  for (const Step& step : kSteps) {
    SCOPED_TRACE(std::string("after \"") + step.keys + "\"");
    PumpMessages();
    Recorded().clear();
    keyrill.Type(step.keys);
    // Each listed event is raised, the description's exactly when the line changes.
    const struct {
      DWORD event;
      LONG objectId;
      bool wanted;
      const char* what;
    } expected[] = {
        {EVENT_OBJECT_VALUECHANGE, OBJID_CLIENT, true, "a value change"},
        {EVENT_OBJECT_LOCATIONCHANGE, OBJID_CARET, true, "a caret location change"},
        {EVENT_OBJECT_DESCRIPTIONCHANGE, OBJID_CLIENT, step.lineChanges, "a description change"},
    };
    WaitUntil(
        [&] {
          PumpMessages();
          for (const auto& e : expected) {
            if (e.wanted && !Seen(e.event, e.objectId)) return false;
          }
          return true;
        },
        3000);
    for (const auto& e : expected) {
      EXPECT_EQ(Seen(e.event, e.objectId), e.wanted)
          << e.what << (e.wanted ? " is" : " is not") << " raised";
    }

    const Reading reading = ReadClientObject(main);
    EXPECT_EQ(reading.role, ROLE_SYSTEM_TEXT);
    EXPECT_EQ(reading.value, step.value) << "the value is the typed line";
    EXPECT_EQ(reading.description, step.description) << "the description is the line to type";

    const GUITHREADINFO info = ThreadInfo(main);
    const Box cell = DrawnCursor(main);
    std::printf("after \"%s\": caret %s, drawn cursor (%d, %d, %d, %d) at %d DPI\n", step.keys,
                RectText(info.rcCaret).c_str(), cell.left, cell.top, cell.right, cell.bottom,
                options.dpi);
    EXPECT_EQ(info.hwndCaret, main) << "the caret is the main window's";
    EXPECT_TRUE(!cell.empty() && Near(info.rcCaret.left, cell.left) &&
                Near(info.rcCaret.top, cell.top) && Near(info.rcCaret.right, cell.right) &&
                Near(info.rcCaret.bottom, cell.bottom))
        << "the caret " + RectText(info.rcCaret) + " is on the drawn cursor's cell";
  }

  // The bar is redrawn ten times a second; a listener reads it on demand and
  // hears none of it.
  const std::string bar = ReadClientObject(main).help;
  EXPECT_TRUE(bar.rfind("Words Per Minute: ", 0) == 0 &&
              bar.find("  Time: ") != std::string::npos &&
              bar.find("s  Characters: ") != std::string::npos)
      << "the help is the statistics bar's text: " << bar;
  PumpMessages();
  Recorded().clear();
  WaitUntil(
      [&] {
        PumpMessages();
        return false;
      },
      600);
  EXPECT_FALSE(Seen(EVENT_OBJECT_VALUECHANGE, OBJID_CLIENT) ||
               Seen(EVENT_OBJECT_DESCRIPTIONCHANGE, OBJID_CLIENT) ||
               Seen(EVENT_OBJECT_NAMECHANGE, OBJID_CLIENT))
      << "no event while nothing is typed";

  if (hook != nullptr) UnhookWinEvent(hook);
  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");
  CoUninitialize();
}

}  // namespace e2e
