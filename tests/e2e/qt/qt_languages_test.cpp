// The real Qt program in the user's language, on a virtual X display: the locale
// (LANG) picks the code page, the keyboard layout is set with setxkbmap, and every
// key comes from xdotool as a real X key event. A UTF-8 test is typed to the Report
// without an error; Add Test appends UTF-8 to a UTF-8 library and code-page bytes to
// a code-page one. KEYRILL_TEST_LAYOUT names the layout: ru, pl or de.
// Test side (Qt on xcb, under xvfb-run).
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "qt/main_window.h"

using namespace keyrill;
using namespace keyrill::qt;
using namespace keyrill::qt::test;

namespace {

struct Language {
  const char* layout;
  char32_t letter;      // a letter of the language
  int letterByte;       // its byte in the language's code page
  const char* name;     // UTF-8
  const char* text;     // UTF-8, typed as it stands
  const char* deadKey;  // a dead key and the letter it makes after the text, or null
  const char* made;     // what the dead key makes, in UTF-8
  const char* addName;
  const char* addText;
  const char* addNameBytes;  // the same in the code page
  const char* addTextBytes;
};

const Language kLanguages[] = {
    {"ru", U'\u044F', 0xFF, "Съешь", "съешь же ещё этих булок", nullptr, "", "Чай", "выпей чаю",
     "\xD7\xE0\xE9", "\xE2\xFB\xEF\xE5\xE9 \xF7\xE0\xFE"},
    {"pl", U'\u0142', 0xB3, "Zażółć", "zażółć gęślą jaźń", nullptr, "", "Łódź", "pchnąć w tę łódź",
     "\xA3\xF3"
     "d\x9F",
     "pchn\xB9\xE6 w t\xEA \xB3\xF3"
     "d\x9F"},
    {"de", U'\u00FC', 0xFC, "Grüße", "grüße über straße caf", "dead_acute e", "é", "Äpfel",
     "öl und ähre", "\xC4pfel", "\xF6l und \xE4hre"},
};

const Language* Current() {
  const QByteArray layout = qgetenv("KEYRILL_TEST_LAYOUT");
  for (const Language& language : kLanguages) {
    if (layout == language.layout) return &language;
  }
  return nullptr;
}

// Runs xdotool with these arguments and waits for it.
bool Xdotool(const QStringList& arguments) {
  return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

}  // namespace

class QtLanguagesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY2(Current() != nullptr, "KEYRILL_TEST_LAYOUT names no known layout");
    QVERIFY2(QProcess::execute(QStringLiteral("setxkbmap"),
                               {QString::fromLatin1(Current()->layout)}) == 0,
             "setxkbmap failed");
  }

  void typedUtf8TestReachesTheReportWithoutAnError() {
    const Language& language = *Current();
    WorkDir dir(false);
    const std::string text = std::string(language.text) + language.made;
    support::WriteFile(dir.Library(),
                       "~" + std::string(language.name) + "\n" + text + "\n~After\nx\n");

    MainWindow window;
    QVERIFY(OpenWindow(window));
    Program& program = window.program();
    QCOMPARE(program.codePage.Byte(language.letter), language.letterByte);
    QVERIFY2(SelectThroughDialog(window, QString::fromUtf8(language.name)),
             "the UTF-8 name is listed and chosen");

    const QString id = QString::number(window.winId());
    QVERIFY(Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id}));
    QVERIFY(Xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
    QTRY_VERIFY_WITH_TIMEOUT(program.TestRunning, 5000);

    ReportTexts shown;
    const auto opened = WhenReportOpens(shown, 60000);
    // One xdotool for the text, another for the dead key: "type" takes every
    // argument after it as text.
    QStringList keys = {
        QStringLiteral("-c"),
        QStringLiteral("xdotool type --delay 60 -- \"$1\" && { [ -z \"$2\" ] || xdotool key "
                       "--delay 60 $2; }"),
        QStringLiteral("sh"), QString::fromUtf8(language.text),
        QString::fromLatin1(language.deadKey != nullptr ? language.deadKey : "")};
    QProcess::startDetached(QStringLiteral("sh"), keys);
    QTRY_VERIFY_WITH_TIMEOUT(*opened, 60000);
    QCOMPARE(shown.errors, std::string("0"));
    // One character a letter, however many bytes it takes in the file.
    QCOMPARE(shown.characters, std::to_string(QString::fromUtf8(text.c_str()).size()));
  }

  void addTestKeepsTheLibrarysEncoding() {
    const Language& language = *Current();
    struct Library {
      const char* what;
      std::string before;
      std::string appended;
    };
    const std::string utf8Record =
        "\r\n~" + std::string(language.addName) + "\r\n" + language.addText;
    const std::string codePageRecord =
        "\r\n~" + std::string(language.addNameBytes) + "\r\n" + language.addTextBytes;
    const std::vector<Library> libraries = {
        {"UTF-8", "~" + std::string(language.name) + "\n" + language.text + "\n", utf8Record},
        {"code page", "\r\n~Plain\r\nascii only", codePageRecord},
    };
    for (const Library& library : libraries) {
      WorkDir dir(false);
      const QString path = dir.Path(QStringLiteral("tests.tst"));
      support::WriteFile(path.toStdString(), library.before);
      MainWindow window;
      QVERIFY(OpenWindow(window));
      auto opened = std::make_shared<bool>(false);
      WhenDialogOpens(
          QStringLiteral("AddTest"),
          [&language](QDialog& dialog) {
            // A dialog left open fails the check instead of hanging it.
            QTimer::singleShot(40000, &dialog, [&dialog] { dialog.reject(); });
            const QStringList keys = {
                QStringLiteral("-c"),
                QStringLiteral("xdotool type --delay 60 -- \"$1\"; sleep 0.3; xdotool key Tab; "
                               "xdotool type --delay 60 -- \"$2\"; xdotool key Return"),
                QStringLiteral("sh"), QString::fromUtf8(language.addName),
                QString::fromUtf8(language.addText)};
            QProcess::startDetached(QStringLiteral("sh"), keys);
          },
          opened);
      PressAccelerator(window, 'A');
      QVERIFY(*opened);
      QTRY_VERIFY_WITH_TIMEOUT(FindDialog(QStringLiteral("AddTest")) == nullptr, 60000);
      const std::string after = support::ReadFile(path.toStdString());
      QVERIFY2(after == library.before + library.appended, library.what);
    }
  }
};

QTEST_MAIN(QtLanguagesTest)
#include "qt_languages_test.moc"
