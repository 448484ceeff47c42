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
    const QStringList names = Names(key);
    arguments << QStringLiteral("key") << QStringLiteral("--delay") << QStringLiteral("0")
              << names.front();
    if (names.size() > 1) {
      arguments << QStringLiteral("sleep") << Seconds(kDeadKeyGapMs) << QStringLiteral("key")
                << QStringLiteral("--delay") << QStringLiteral("0") << names.back();
    }
  }
  return arguments;
}

QStringList WtypeKeys(const std::vector<Key>& keys) {
  QStringList arguments;
  for (const Key& key : keys) {
    if (key.delayMs > 0) arguments << QStringLiteral("-s") << QString::number(key.delayMs);
    const QStringList names = Names(key);
    for (qsizetype i = 0; i < names.size(); ++i) {
      if (i > 0) arguments << QStringLiteral("-s") << QString::number(kDeadKeyGapMs);
      arguments << QStringLiteral("-k") << names[i];
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
