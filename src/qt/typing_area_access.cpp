// The typing area, the bar and the line announcer as Qt accessible interfaces,
// published through AT-SPI by Qt's own bridge. Platform side (Qt).
#include "qt/typing_area_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScreen>
#include <algorithm>

#include "app/main_window_layout.h"
#include "qt/back_buffer_view.h"
#include "qt/code_page_text.h"
#include "run/screen.h"
#include "run/screen_reading.h"

namespace keyrill::qt {
namespace {

// The typing area as text: during a run the line to type, a line break and what is
// typed on it, the two rows as drawn; when idle the prompt row and the message row.
// One character per drawn cell: a CR is drawn blank, so it reads as a space.
struct AreaText {
  bool running = false;
  int lineIndex = -1;
  QString lineToType;
  QString text;
  int caret = 0;
  Rect caretCell;
};

QString DecodeCells(std::string_view bytes, const CodePage& codePage) {
  QString text = DecodeBytes(bytes, codePage);
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  return text;
}

AreaText ReadArea(const BackBufferView& view) {
  const ScreenReading reading = view.Read();
  const CodePage& codePage = view.codePage();
  AreaText area;
  area.running = reading.running;
  area.lineIndex = reading.lineIndex;
  area.caretCell = reading.caretCell;
  if (reading.running) {
    area.lineToType = DecodeCells(reading.target, codePage);
    area.text = area.lineToType + QLatin1Char('\n') + DecodeCells(reading.typed, codePage);
    area.caret = static_cast<int>(area.text.size());
  } else {
    area.text = DecodeCells(reading.prompt, codePage);
    if (!reading.message.empty()) {
      area.text += QLatin1Char('\n') + DecodeCells(reading.message, codePage);
    }
  }
  return area;
}

// Invisible to a sighted user: no size, no mouse, nothing painted.
void MakeUnseen(QWidget& widget) {
  widget.setAttribute(Qt::WA_TransparentForMouseEvents);
  widget.setFocusPolicy(Qt::NoFocus);
  widget.setGeometry(0, 0, 0, 0);
}

// The bar's last drawn text, read when asked: no event every tick.
class BarObject final : public QWidget {
 public:
  BarObject(QWidget& parent, const BackBufferView& view) : QWidget(&parent), view_(view) {
    MakeUnseen(*this);
  }
  QString Text() const { return DecodeBytes(view_.Read().bar, view_.codePage()); }

 private:
  const BackBufferView& view_;
};

// A line that becomes current is spoken by being shown as a notification: screen
// readers speak a notification that appears, while a changed description or a
// caret moved onto a new line goes unsaid.
class LineAnnouncer final : public QWidget {
 public:
  explicit LineAnnouncer(QWidget& parent) : QWidget(&parent) {
    MakeUnseen(*this);
    hide();
  }
  void Announce(const QString& text) {
    setAccessibleName(text);
    hide();
    show();
  }
};

class BarAccessible final : public QAccessibleWidget {
 public:
  explicit BarAccessible(BarObject* bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name || kind == QAccessible::Value) {
      return static_cast<const BarObject*>(widget())->Text();
    }
    return QAccessibleWidget::text(kind);
  }
};

class TypingAreaAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TypingAreaAccessible(BackBufferView* view)
      : QAccessibleWidget(view, QAccessible::EditableText, QString::fromLatin1(kTypingAreaName)) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text kind) const override {
    // Spoken when the area gets the focus: the line to type.
    if (kind == QAccessible::Description) return Area().lineToType;
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.multiLine = true;
    state.editable = true;
    return state;
  }

  // The text interface: read-only, no selection, the caret is the run's.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return Area().caret; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    return Area().text.mid(start, std::max(0, end - start));
  }
  int characterCount() const override { return static_cast<int>(Area().text.size()); }
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  AreaText Area() const { return ReadArea(*static_cast<const BackBufferView*>(widget())); }
};

QRect TypingAreaAccessible::characterRect(int offset) const {
  const AreaText area = Area();
  if (!area.running || offset < 0 || offset > area.text.size()) return {};
  // Fixed-pitch cells from the left margin: the typed row is the caret's, the line
  // to type the row above it.
  const Rect& cell = area.caretCell;
  const int width = cell.right - cell.left;
  const int height = cell.bottom - cell.top;
  const int typedStart = static_cast<int>(area.lineToType.size()) + 1;
  const bool typedRow = offset >= typedStart;
  const int column = typedRow ? offset - typedStart : offset;
  const QPoint topLeft(kMargin + column * width, typedRow ? cell.top : cell.top - height);
  // In the screen's own pixels, where magnifiers look: Qt's bridge passes the
  // rectangle on unscaled, so at a scale factor it is scaled here, about the
  // screen's origin as Qt scales a screen.
  const QPoint global = widget()->mapToGlobal(topLeft);
  const QPoint origin = widget()->screen()->geometry().topLeft();
  const qreal ratio = widget()->devicePixelRatioF();
  return {origin + (global - origin) * ratio, QSize(width, height) * ratio};
}

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
  // Matched on the type, not the class name: the view carries no meta-object of
  // its own.
  if (auto* view = dynamic_cast<BackBufferView*>(object)) return new TypingAreaAccessible(view);
  if (auto* bar = dynamic_cast<BarObject*>(object)) return new BarAccessible(bar);
  if (auto* announcer = dynamic_cast<LineAnnouncer*>(object)) {
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  }
  return nullptr;
}

LineAnnouncer* FindAnnouncer(const QWidget& view) {
  for (QObject* child : view.window()->children()) {
    if (auto* announcer = dynamic_cast<LineAnnouncer*>(child)) return announcer;
  }
  return nullptr;
}

void Send(QAccessibleEvent&& event) {
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallAccessibleFactory() {
  QAccessible::installFactory(Factory);  // once: a second install is ignored
}

void AddAccessibleObjects(QWidget& mainWindow, const BackBufferView& view) {
  new BarObject(mainWindow, view);
  new LineAnnouncer(mainWindow);
}

TypingAreaChange::TypingAreaChange(BackBufferView& view)
    : view_(view), listened_(QAccessible::isActive()) {
  if (!listened_) return;
  const AreaText area = ReadArea(view_);
  running_ = area.running;
  lineIndex_ = area.lineIndex;
  text_ = area.text;
  caret_ = area.caret;
}

TypingAreaChange::~TypingAreaChange() {
  if (!listened_ || !QAccessible::isActive()) return;
  // The interface reads the core live, so it already answers with the new text
  // when each event goes out.
  const AreaText now = ReadArea(view_);
  const auto [oldEnd, newEnd] =
      std::mismatch(text_.cbegin(), text_.cend(), now.text.cbegin(), now.text.cend());
  const auto same = static_cast<int>(oldEnd - text_.cbegin());
  if (oldEnd != text_.cend()) Send(QAccessibleTextRemoveEvent(&view_, same, text_.mid(same)));
  if (newEnd != now.text.cend()) {
    Send(QAccessibleTextInsertEvent(&view_, same, now.text.mid(same)));
  }
  if (now.caret != caret_ || now.text != text_) Send(QAccessibleTextCursorEvent(&view_, now.caret));

  const bool newLine = now.running && (!running_ || now.lineIndex != lineIndex_);
  const bool newIdleRows = !now.running && now.text != text_;
  if (!newLine && !newIdleRows) return;
  Send(QAccessibleEvent(&view_, QAccessible::DescriptionChanged));
  if (LineAnnouncer* announcer = FindAnnouncer(view_)) {
    announcer->Announce(newLine ? now.lineToType : now.text);
  }
}

}  // namespace keyrill::qt
