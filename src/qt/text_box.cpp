// The multi-line test text box. Platform side (Qt).
#include "qt/text_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

#include "qt/code_page_text.h"

namespace keyrill::qt {
namespace {

// Every kind of line break the clipboard may carry becomes one "\n"; a U+0000
// is dropped, as in a name: the library never holds a zero byte.
QString NormaliseBreaks(QString text) {
  text.remove(QChar(QChar::Null));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
  text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
  return text;
}

}  // namespace

TestTextBox::TestTextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);  // Tab moves through the dialog, as in a dialog's edit box
}

int TestTextBox::VisibleLines() const {
  const int lineHeight = fontMetrics().lineSpacing();
  const qreal usable = viewport()->height() - 2 * document()->documentMargin();
  const int lines = lineHeight > 0 ? static_cast<int>(usable / lineHeight) : 1;
  return lines > 1 ? lines : 1;
}

bool TestTextBox::RoomForBreaks(int breaks) const {
  if (document()->blockCount() + breaks <= VisibleLines()) return true;
  QApplication::beep();
  return false;
}

void TestTextBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
      if (RoomForBreaks(1)) textCursor().insertText(QStringLiteral("\n"));
      event->accept();
    } else {
      event->ignore();  // the dialog presses its default button
    }
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TestTextBox::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) return;
  QString text = NormaliseBreaks(source->text());
  // Breaks replaced by the paste go away with the selection they are in.
  const QTextCursor cursor = textCursor();
  const int removed =
      static_cast<int>(cursor.selectedText().count(QChar(QChar::ParagraphSeparator)));
  if (!RoomForBreaks(static_cast<int>(text.count(QLatin1Char('\n'))) - removed)) return;
  textCursor().insertText(text);
  ensureCursorVisible();
}

std::string TestTextBox::TextBytes(const CodePage& codePage) const {
  const QString text = NormaliseBreaks(document()->toRawText());
  std::string bytes;
  for (char byte : EncodeText(text, codePage)) {
    if (byte == '\n') bytes.push_back('\r');
    bytes.push_back(byte);
  }
  return bytes;
}

}  // namespace keyrill::qt
