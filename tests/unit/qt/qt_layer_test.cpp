// The Qt layer's own pieces, each against a table: the code page's conversions of
// Qt's strings, key codes, glyph choice, dialog units and centring, and the QImage
// surface's cells.
// Test side (Qt, offscreen).
#include <QTest>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "qt/code_page_text.h"
#include "qt/dialog_geometry.h"
#include "qt/image_surface.h"
#include "qt/key_translation.h"
#include "qt/locale_code_page.h"

using namespace keyrill;
using namespace keyrill::qt;

namespace {
const CodePage& Western() {
  static const CodePage codePage = MakeCodePage(1252);
  return codePage;
}
}  // namespace

class QtLayerTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyCodePageRoundTripsEveryByte() {
    for (const int number : kSupportedCodePages) {
      const CodePage codePage = MakeCodePage(number);
      for (int byte = 0; byte < 256; ++byte) {
        const std::string bytes(1, static_cast<char>(byte));
        QCOMPARE(EncodeText(DecodeBytes(bytes, codePage), codePage), bytes);
      }
    }
  }

  void codePageTexts() {
    QCOMPARE(EncodeText(QStringLiteral("a\u20AC\u0142\U0001F600b"), Western()),
             std::string("a\x80??b"));
    QCOMPARE(DecodeBytes("\x93q\x94", Western()), QStringLiteral("\u201Cq\u201D"));
    const CodePage cyrillic = MakeCodePage(1251);
    QCOMPARE(EncodeText(QStringLiteral("\u041C\u0438\u0440 \u00E9"), cyrillic),
             std::string("\xCC\xE8\xF0 ?"));
    QCOMPARE(DecodeBytes("\xCC\xE8\xF0", cyrillic), QStringLiteral("\u041C\u0438\u0440"));
  }

  void keyCodes() {
    struct Case {
      const char* what;
      int key;
      Qt::KeyboardModifiers modifiers;
      QString text;
      std::vector<int> codes;
    };
    const Qt::KeyboardModifiers none;
    const std::vector<Case> cases = {
        {"Return", Qt::Key_Return, none, QStringLiteral("\r"), {13}},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"), {13}},
        {"Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, {}, {10}},
        {"Backspace", Qt::Key_Backspace, none, QStringLiteral("\b"), {8}},
        {"Ctrl+Backspace", Qt::Key_Backspace, Qt::ControlModifier, {}, {127}},
        {"Tab", Qt::Key_Tab, none, QStringLiteral("\t"), {9}},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, {}, {9}},
        {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, {}, {}},
        {"Escape", Qt::Key_Escape, none, QStringLiteral("\x1b"), {27}},
        {"Ctrl+J", Qt::Key_J, Qt::ControlModifier, QStringLiteral("\n"), {10}},
        {"Ctrl+Shift+C", Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, {}, {3}},
        {"Ctrl+[", Qt::Key_BracketLeft, Qt::ControlModifier, {}, {27}},
        {"Ctrl+]", Qt::Key_BracketRight, Qt::ControlModifier, {}, {29}},
        {"Ctrl+6", Qt::Key_6, Qt::ControlModifier, QStringLiteral("6"), {30}},
        {"Ctrl+^", Qt::Key_AsciiCircum, Qt::ControlModifier | Qt::ShiftModifier, {}, {30}},
        {"Ctrl+-", Qt::Key_Minus, Qt::ControlModifier, QStringLiteral("-"), {31}},
        {"Ctrl+_", Qt::Key_Underscore, Qt::ControlModifier | Qt::ShiftModifier, {}, {31}},
        {"keypad Ctrl+- has no code",
         Qt::Key_Minus,
         Qt::ControlModifier | Qt::KeypadModifier,
         {},
         {}},
        {"Ctrl+1", Qt::Key_1, Qt::ControlModifier, QStringLiteral("1"), {}},
        {"Alt+A", Qt::Key_A, Qt::AltModifier, QStringLiteral("a"), {}},
        {"AltGr e as Ctrl+Alt",
         Qt::Key_E,
         Qt::ControlModifier | Qt::AltModifier,
         QStringLiteral("\u20AC"),
         {0x80}},
        {"a", Qt::Key_A, none, QStringLiteral("a"), {'a'}},
        {"Shift+A", Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"), {'A'}},
        {"e acute", Qt::Key_Eacute, none, QStringLiteral("\u00E9"), {0xE9}},
        {"l stroke has no byte", Qt::Key_unknown, none, QStringLiteral("\u0142"), {}},
        {"Delete sends nothing", Qt::Key_Delete, none, QStringLiteral("\x7f"), {}},
        {"F1 has no text", Qt::Key_F1, none, {}, {}},
        {"Shift alone", Qt::Key_Shift, Qt::ShiftModifier, {}, {}},
        {"two characters", Qt::Key_unknown, none, QStringLiteral("a\u00FC"), {'a', 0xFC}},
    };
    for (const Case& c : cases) {
      QVERIFY2(CodesForKey(c.key, c.modifiers, c.text, Western()) == c.codes, c.what);
    }
    QVERIFY(CodesForCommit(QStringLiteral("\u00E7\u0142\u00E0"), Western()) ==
            std::vector<int>({0xE7, 0xE0}));
    // The same keys under other code pages: a Russian, Polish and Greek keyboard's
    // letters, and a dead key's composed letter committed by the input method.
    const CodePage cyrillic = MakeCodePage(1251);
    QVERIFY(CodesForKey(0x42F, {}, QStringLiteral("\u044F"), cyrillic) == std::vector<int>({0xFF}));
    QVERIFY(CodesForKey(Qt::Key_unknown, {}, QStringLiteral("\u00E9"), cyrillic).empty());
    const CodePage central = MakeCodePage(1250);
    QVERIFY(CodesForKey(Qt::Key_unknown, {}, QStringLiteral("\u0142"), central) ==
            std::vector<int>({0xB3}));
    QVERIFY(CodesForCommit(QStringLiteral("\u017C\u00F3"), central) ==
            std::vector<int>({0xBF, 0xF3}));
    const CodePage greek = MakeCodePage(1253);
    QVERIFY(CodesForCommit(QStringLiteral("\u03AC\u03C9"), greek) ==
            std::vector<int>({0xDC, 0xF9}));
  }

  void glyphs() {
    struct Case {
      unsigned char byte;
      GlyphKind kind;
      QString text;
    };
    const std::vector<Case> cases = {
        {'A', GlyphKind::Character, QStringLiteral("A")},
        {0x0D, GlyphKind::Blank, {}},
        {0x0A, GlyphKind::Caret, QStringLiteral("^J")},
        {0x1B, GlyphKind::Caret, QStringLiteral("^[")},
        {0x01, GlyphKind::Caret, QStringLiteral("^A")},
        {0x7F, GlyphKind::Caret, QStringLiteral("^?")},
        {0x80, GlyphKind::Character, QStringLiteral("\u20AC")},
        {0x81, GlyphKind::Character, QStringLiteral("\uFFFD")},
        {0xE9, GlyphKind::Character, QStringLiteral("\u00E9")},
    };
    for (const Case& c : cases) {
      const Glyph glyph = GlyphForByte(c.byte, Western());
      QVERIFY2(glyph.kind == c.kind, qPrintable(QString::number(c.byte)));
      QCOMPARE(glyph.text, c.text);
    }
    const CodePage cyrillic = MakeCodePage(1251);
    QCOMPARE(GlyphForByte(0xDF, cyrillic).text, QStringLiteral("\u042F"));
    QCOMPARE(GlyphForByte(0x98, cyrillic).text, QStringLiteral("\uFFFD"));  // undefined
    QCOMPARE(GlyphForByte(0xD2, MakeCodePage(1253)).text, QStringLiteral("\uFFFD"));
  }

  void dialogUnits() {
    struct Case {
      int units;
      int x;
      int y;
    };
    // 1.5 px and 1.625 px per unit, halves rounded away from zero.
    const std::vector<Case> cases = {
        {7, 11, 11},     {133, 200, 216}, {141, 212, 229}, {253, 380, 411},
        {196, 294, 319}, {14, 21, 23},    {0, 0, 0},       {-7, -11, -11},
    };
    for (const Case& c : cases) {
      QCOMPARE(DialogUnitsX(c.units), c.x);
      QCOMPARE(DialogUnitsY(c.units), c.y);
    }
    QCOMPARE(DialogRect(7, 25, 239, 164), QRect(11, 41, 359, 267));
  }

  void centring() {
    struct Case {
      QRect owner;
      QSize dialog;
      QPoint expected;
    };
    const std::vector<Case> cases = {
        // The main window at (50, 50), 492 x 465 outside: (50 + 542) / 2 - 100.
        {QRect(50, 50, 492, 465), QSize(200, 229), QPoint(196, 168)},
        {QRect(0, 0, 500, 500), QSize(381, 319), QPoint(60, 91)},
        // Partly off the screen: divisions truncate toward zero (-103 / 2 is -51).
        {QRect(-303, -303, 503, 503), QSize(201, 201), QPoint(-151, -151)},
    };
    for (const Case& c : cases) QCOMPARE(CentredTopLeft(c.owner, c.dialog), c.expected);
  }

  void surfaceCells() {
    ImageSurface surface(Western());
    surface.Create(492, 446, 1.0);
    QCOMPARE(surface.image().size(), QSize(492, 446));
    QCOMPARE(surface.image().format(), QImage::Format_RGB32);

    const Extent at = surface.MeasureBytes("@", 1);
    // DejaVu Sans Mono Bold: 24 px for the text, a 14 x 28 cell; the statistics
    // font at the size whose cell is 16 pixels high (14 px), 8 x 16.
    QVERIFY2(at.cx >= 12 && at.cx <= 16 && at.cy >= 25 && at.cy <= 31,
             qPrintable(QStringLiteral("%1 x %2").arg(at.cx).arg(at.cy)));
    QCOMPARE(surface.MeasureBytes("Wi.", 3).cx, 3 * at.cx);  // one grid for every byte
    QCOMPARE(surface.MeasureBytes("x", 0).cx, 0);
    QCOMPARE(surface.UseFont(Font::Stats), Font::Text);
    const Extent stats = surface.MeasureBytes("A", 1);
    QVERIFY2(stats.cx >= 6 && stats.cx <= 9 && stats.cy >= 14 && stats.cy <= 16,
             qPrintable(QStringLiteral("%1 x %2").arg(stats.cx).arg(stats.cy)));
    QCOMPARE(surface.UseFont(Font::Text), Font::Stats);

    // Opaque cells over black: each cell's extent is white, with its glyph black.
    const int w = at.cx;
    const int h = at.cy;
    surface.Fill(0, 0, 492, 446, Brush::Black);
    const char row[] = {'H', '\r', '\n', ' ', 'i'};
    surface.DrawBytes(20, 40, row, 5);
    const QImage& image = surface.image();
    QVERIFY(test::DarkPixels(image, QRect(20, 40, w, h)) > 20);         // H
    QVERIFY(test::AllWhite(image, QRect(20 + w, 40, w, h)));            // CR: a blank cell
    QVERIFY(test::DarkPixels(image, QRect(20 + 2 * w, 40, w, h)) > 5);  // ^J
    QVERIFY(test::AllWhite(image, QRect(20 + 3 * w, 40, w, h)));        // space
    QVERIFY(test::DarkPixels(image, QRect(20 + 4 * w, 40, w, h)) > 5);  // i
    QVERIFY(test::AllBlack(image, QRect(20 + 5 * w, 40, 4, h)));        // nothing past the run
    QVERIFY(test::AllBlack(image, QRect(16, 40, 4, h)));
    QVERIFY(test::AllBlack(image, QRect(20, 40 + h, 5 * w, 3)));
    // Row and key at a time land on the same pixels.
    surface.Fill(0, 100, 492, 60, Brush::White);
    surface.DrawBytes(12, 100, "grid", 4);
    const char* grid = "grid";
    for (int i = 0; i < 4; ++i) surface.DrawBytes(12 + i * w, 130, grid + i, 1);
    QCOMPARE(image.copy(12, 100, 4 * w, h), image.copy(12, 130, 4 * w, h));
  }

  void copiedCellsArePaintedCells() {
    // Every byte in both fonts, twice (painted into the cache, then copied from it),
    // at places that cut cells at the image's edges, and fills, against painting.
    for (const qreal ratio : {1.0, 2.0}) {
      ImageSurface copied(Western());
      ImageSurface painted(Western(), ImageSurface::CellCache::Off);
      for (ImageSurface* surface : {&copied, &painted}) {
        surface->Create(300, 200, ratio);
        surface->Fill(0, 0, 300, 200, Brush::Black);
        surface->Fill(-3, 150, 40, 9, Brush::White);  // fills cut at every edge
        surface->Fill(290, 190, 30, 30, Brush::White);
        surface->Fill(100, -4, 1, 8, Brush::White);
        surface->Fill(280, 20, 20, 20, Brush::White);
        surface->Fill(284, 24, 3, 5, Brush::Black);
        for (const Font font : {Font::Text, Font::Stats}) {
          surface->UseFont(font);
          const int h = surface->MeasureBytes("@", 1).cy;
          for (int pass = 0; pass < 2; ++pass) {
            for (int first = 0; first < 256; first += 16) {
              char row[16];
              for (int i = 0; i < 16; ++i) row[i] = static_cast<char>(first + i);
              const int y = (first / 16) * (h - 3) - 5 + (font == Font::Stats ? 9 : 0);
              surface->DrawBytes(-7 + pass * 3, y, row, 16);
            }
          }
        }
      }
      QCOMPARE(copied.image(), painted.image());
    }
  }

  void surfaceOnHighDpi() {
    // Row and key at a time land on the same device pixels here too.
    for (const qreal ratio : {1.5, 2.0}) {
      ImageSurface grid(Western());
      grid.Create(492, 446, ratio);
      const int w = grid.MeasureBytes("W", 1).cx;
      const int h = grid.MeasureBytes("W", 1).cy;
      const char* row = "WmW@w%Mj";
      grid.DrawBytes(12, 100, row, 8);
      for (int i = 0; i < 8; ++i) grid.DrawBytes(12 + i * w, 200, row + i, 1);
      const QImage& image = grid.image();
      QCOMPARE(image.copy(QRectF(12 * ratio, 100 * ratio, 8 * w * ratio, h * ratio).toRect()),
               image.copy(QRectF(12 * ratio, 200 * ratio, 8 * w * ratio, h * ratio).toRect()));
    }

    ImageSurface surface(Western());
    surface.Create(492, 446, 2.0);
    QCOMPARE(surface.image().size(), QSize(984, 892));
    QCOMPARE(surface.image().devicePixelRatio(), 2.0);
    // The core's coordinates stay logical: a fill of 10 x 10 covers 20 x 20 pixels.
    surface.Fill(10, 10, 10, 10, Brush::Black);
    QCOMPARE(surface.image().pixel(20, 20), qRgb(0, 0, 0));
    QCOMPARE(surface.image().pixel(39, 39), qRgb(0, 0, 0));
    QCOMPARE(surface.image().pixel(40, 40), qRgb(255, 255, 255));
    QCOMPARE(surface.image().pixel(19, 19), qRgb(255, 255, 255));
  }
};

QTEST_MAIN(QtLayerTest)
#include "qt_layer_test.moc"
