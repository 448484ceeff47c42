// Turning a key list into the senders' command lines. Test side.
#include "senders.h"

namespace keyrill::fidelity {
namespace {

// A dead key and its letter are two presses; the letter follows a moment later.
constexpr int kDeadKeyGapMs = 30;

QStringList Names(const Key& key) {
  if (key.kind == KeyKind::DeadAcute)
    return {QStringLiteral("dead_acute"), QString::fromStdString(key.keysym)};
  return {QString::fromStdString(key.keysym)};
}

QString Seconds(int ms) {
  return QString::number(ms / 1000.0, 'f', 3);
}

}  // namespace

QStringList XdotoolKeys(const std::vector<Key>& keys) {
  QStringList arguments;
  for (const Key& key : keys) {
    if (key.delayMs > 0) arguments << QStringLiteral("sleep") << Seconds(key.delayMs);
    // A dead key and its letter go in one command, the gap between them its delay.
    const QStringList names = Names(key);
    arguments << QStringLiteral("key") << QStringLiteral("--delay")
              << QString::number(names.size() > 1 ? kDeadKeyGapMs : 0) << names;
  }
  return arguments;
}

QStringList WtypeKeys(const std::vector<Key>& keys) {
  // The compositor takes a moment to give a new virtual keyboard its keymap: a key
  // pressed at once may never reach the focused window.
  QStringList arguments = {QStringLiteral("-s"), QStringLiteral("300")};
  for (const Key& key : keys) {
    if (key.delayMs > 0) arguments << QStringLiteral("-s") << QString::number(key.delayMs);
    const QStringList names = Names(key);
    for (qsizetype i = 0; i < names.size(); ++i) {
      if (i > 0) arguments << QStringLiteral("-s") << QString::number(kDeadKeyGapMs);
      // A capital goes as text: wtype's -k puts the capital's keysym on a key of one
      // level, which Qt reads as the small letter.
      const QString& name = names[i];
      if (name.size() == 1 && name[0].isUpper()) {
        arguments << name;
      } else {
        arguments << QStringLiteral("-k") << name;
      }
    }
  }
  return arguments;
}

QStringList XdotoolPointerSweep(unsigned long window, int durationMs) {
  constexpr int kStepMs = 25;
  QStringList arguments;
  const QString id = QString::number(window);
  for (int t = 0, step = 0; t < durationMs; t += kStepMs, ++step) {
    // A zigzag over the 492 x 446 client, below the menu bar.
    const int x = 20 + (step * 37) % 450;
    const int y = 60 + (step * 23) % 360;
    arguments << QStringLiteral("mousemove") << QStringLiteral("--window") << id
              << QString::number(x) << QString::number(y) << QStringLiteral("sleep")
              << Seconds(kStepMs);
  }
  return arguments;
}

int DurationMs(const std::vector<Key>& keys) {
  int total = 0;
  for (const Key& key : keys)
    total += key.delayMs + (key.kind == KeyKind::DeadAcute ? kDeadKeyGapMs : 0);
  return total;
}

}  // namespace keyrill::fidelity
