// The hidden caret, the answer to WM_GETOBJECT and the WinEvents of the typing
// area. Platform side (Win32).
#include "win32/assistive_publisher.h"

#include <string_view>

#include "run/screen_reading.h"

namespace keyrill::win32 {

namespace {

// FNV-1a over the bytes, seeded with what else tells two readings apart.
std::uint64_t Fingerprint(std::uint64_t seed, std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ULL ^ seed;
  for (const char byte : bytes) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 1099511628211ULL;
  }
  return hash;
}

// Free while nobody listens: the system is asked first whether any hook wants it.
void Raise(HWND window, DWORD event, LONG objectId) {
  if (IsWinEventHookInstalled(event)) NotifyWinEvent(event, window, objectId, CHILDID_SELF);
}

}  // namespace

AssistivePublisher::AssistivePublisher(HWND window, DisplayScale scale, const Program& program)
    : window_(window), scale_(scale), program_(&program) {}

AssistivePublisher::~AssistivePublisher() {
  Disconnect();
}

AssistivePublisher::Seen AssistivePublisher::Observe() const {
  const ScreenReading reading = ReadScreen(*program_);
  // The line's index and the run's state go in, so that two equal lines in a row,
  // or an empty line and the idle screen, still count as a change.
  const auto place = static_cast<std::uint64_t>(reading.lineIndex) * 2 + (reading.running ? 1 : 0);
  return Seen{Fingerprint(place, reading.running ? reading.target : reading.prompt),
              Fingerprint(place, reading.running ? reading.typed : reading.message),
              reading.caretCell};
}

void AssistivePublisher::OnFocus() {
  if (program_ == nullptr) return;
  const RECT cell = scale_.ToDevice(ReadScreen(*program_).caretCell);
  // Never shown: the drawn block stays the only visible cursor.
  hasCaret_ = CreateCaret(window_, nullptr, cell.right - cell.left, cell.bottom - cell.top) != 0;
  if (hasCaret_) SetCaretPos(cell.left, cell.top);
}

void AssistivePublisher::OnFocusLost() {
  if (hasCaret_) DestroyCaret();
  hasCaret_ = false;
}

std::optional<LRESULT> AssistivePublisher::AnswerGetObject(WPARAM flags, LPARAM objectId) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT || program_ == nullptr) return std::nullopt;
  if (!accessible_) {
    // The object starts with the one reference the pointer takes over.
    accessible_.Attach(new TypingAreaAccessible(window_, *program_));
  }
  return LresultFromObject(IID_IAccessible, flags, static_cast<IAccessible*>(accessible_.Get()));
}

void AssistivePublisher::Publish() {
  if (program_ == nullptr) return;
  const Seen now = Observe();
  if (now == seen_) return;
  const Seen before = seen_;
  seen_ = now;
  if (now.description != before.description) {
    Raise(window_, EVENT_OBJECT_DESCRIPTIONCHANGE, OBJID_CLIENT);
  }
  if (now.value != before.value) Raise(window_, EVENT_OBJECT_VALUECHANGE, OBJID_CLIENT);
  if (!(now.caretCell == before.caretCell)) {
    if (hasCaret_) {
      const RECT cell = scale_.ToDevice(now.caretCell);
      SetCaretPos(cell.left, cell.top);
    }
    Raise(window_, EVENT_OBJECT_LOCATIONCHANGE, OBJID_CARET);
  }
}

void AssistivePublisher::Disconnect() {
  OnFocusLost();
  if (accessible_) accessible_->Disconnect();
  accessible_.Reset();
  program_ = nullptr;
}

}  // namespace keyrill::win32
