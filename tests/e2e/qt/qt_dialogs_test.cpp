// Select Test, Add Test, Edit Test and the Report through the real main window,
// headless: their size and place from dialog units, the sorted list, the double-
// click as the only choice, the name limit, the text box's Enter and Ctrl+Enter,
// the exact bytes they append, and a save that fails. Test side (Qt, offscreen).
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "e2e_support.h"
#include "qt/dialog_geometry.h"
#include "qt/report_dialog.h"
#include "qt/text_box.h"

using namespace keyrill;
using namespace keyrill::qt;
using namespace keyrill::qt::test;

namespace {

QStringList ListTexts(QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

void DoubleClickRow(QListWidget& list, int row) {
  const QPoint centre = list.visualItemRect(list.item(row)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

// Where CentreOnMainWindow puts a dialog, from the two outer rectangles.
bool CentredOnMain(const QDialog& dialog, const MainWindow& window) {
  return dialog.frameGeometry().topLeft() ==
         CentredTopLeft(window.frameGeometry(), dialog.frameGeometry().size());
}

// Puts the title and text of the first message box to open in *text and dismisses
// it; the poll gives up after five seconds, or when the flag returned is dropped.
std::shared_ptr<bool> WhenMessageBoxOpens(std::shared_ptr<QString> text) {
  auto opened = std::make_shared<bool>(false);
  WhenDialogOpens(
      AnyMessageBox(),
      [text](QDialog& dialog) {
        auto& box = static_cast<QMessageBox&>(dialog);
        *text = box.windowTitle() + QStringLiteral(" | ") + box.text();
        box.button(QMessageBox::Ok)->click();
      },
      opened, 5000);
  return opened;
}

const std::string kExample = "\r\n~Short\r\nhello world\r\r\nsecond line";

}  // namespace

class QtDialogsTest : public WindowTests {
  Q_OBJECT

 private Q_SLOTS:
  void selectTestListsSortedAndChoosesOnlyByDoubleClick() {
    const std::string library =
        "\r\n~beta\r\nb\r\n~Alpha\r\nA\r\n~gamma\r\ng\r\n~alpha\r\na\r\n~beta\r\nb2\r\n~\r\ne\r\n~"
        "Zulu\r\nz";
    support::WriteFile(dir().Library(), library);
    Program& program = window().program();

    QStringList texts;
    bool placed = false;
    bool listPlaced = false;
    bool focused = false;
    bool openAfterKeys = false;
    QVERIFY(ThroughDialog(window(), 'S', QStringLiteral("SelectTest"), [&](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("IDC_TEST_LIST"));
      texts = ListTexts(*list);
      placed = dialog.size() == QSize(200, 229) && CentredOnMain(dialog, window());
      listPlaced = list->geometry() == QRect(11, 11, 179, 206);
      focused = dialog.focusWidget() == list;
      // Arrows move the highlight, Enter chooses nothing; Escape closes.
      list->setCurrentRow(0);
      QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Return);
      QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
      openAfterKeys = dialog.isVisible() && list->currentRow() == 1;
      QTest::keyClick(list, Qt::Key_Escape);
    }));
    QCOMPARE(texts, QStringList({QString(), QStringLiteral("Alpha"), QStringLiteral("alpha"),
                                 QStringLiteral("beta"), QStringLiteral("beta"),
                                 QStringLiteral("gamma"), QStringLiteral("Zulu")}));
    QVERIFY(placed);
    QVERIFY(listPlaced);
    QVERIFY(focused);
    QVERIFY(openAfterKeys);
    QCOMPARE(std::string(program.SelectedTest.data()), std::string());

    // A double-click chooses, closes and redraws the idle rows.
    struct Choice {
      int row;
      const char* selected;
      const char* prompt;
    };
    const std::vector<Choice> choices = {
        {2, "alpha", "Press enter to begin the test..."},
        {0, "", "Please select a test to begin..."},  // the empty name selects nothing
        {4, "beta", "Press enter to begin the test..."},
    };
    for (const Choice& choice : choices) {
      QVERIFY(ThroughDialog(window(), 'S', QStringLiteral("SelectTest"), [&](QDialog& dialog) {
        DoubleClickRow(*dialog.findChild<QListWidget*>(QStringLiteral("IDC_TEST_LIST")),
                       choice.row);
      }));
      QVERIFY(FindDialog(QStringLiteral("SelectTest")) == nullptr);
      QCOMPARE(std::string(program.SelectedTest.data()), std::string(choice.selected));
      QVERIFY(ShowsText(window().backBuffer(), Font::Text, 12, 12, choice.prompt));
      QVERIFY(ShowsText(window().backBuffer(), Font::Text, 12,
                        window().program().layout.CharHeight + 12, choice.selected));
    }

    // A double-click where no entry is selected keeps the name and still closes.
    QVERIFY(ThroughDialog(window(), 'S', QStringLiteral("SelectTest"), [&](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("IDC_TEST_LIST"));
      list->clearSelection();
      const QPoint below(20, list->viewport()->height() - 5);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
    }));
    QVERIFY(FindDialog(QStringLiteral("SelectTest")) == nullptr);
    QCOMPARE(std::string(program.SelectedTest.data()), std::string("beta"));
  }

  void addTestAppendsTheExampleBytes() {
    bool placed = false;
    bool nameFocused = false;
    QVERIFY(ThroughDialog(window(), 'A', QStringLiteral("AddTest"), [&](QDialog& dialog) {
      placed = dialog.size() == QSize(380, 319) && CentredOnMain(dialog, window());
      auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("IDC_TEST_NAME"));
      auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("IDC_TEST_TEXT"));
      nameFocused = dialog.focusWidget() == name;
      QTest::keyClicks(name, QStringLiteral("Short"));
      QTest::keyClicks(text, QStringLiteral("hello world"));
      QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
      QTest::keyClicks(text, QStringLiteral("second line"));
      QTest::keyClick(text, Qt::Key_Return);  // the default button: save and close
    }));
    QVERIFY(placed);
    QVERIFY(nameFocused);
    QVERIFY(FindDialog(QStringLiteral("AddTest")) == nullptr);
    const std::string bytes = support::ReadFile(dir().Library());
    QCOMPARE(bytes.size(), std::size_t{35});
    QCOMPARE(bytes, kExample);
  }

  void nameBoxTakesFortySevenCharactersOnOneLine() {
    struct Entry {
      const char* what;
      QString typed;
      QString pasted;
      QString kept;
    };
    const std::vector<Entry> entries = {
        {"typed", QString(50, QLatin1Char('t')), {}, QString(47, QLatin1Char('t'))},
        {"pasted", {}, QString(60, QLatin1Char('p')), QString(47, QLatin1Char('p'))},
        {"pasted lines", {}, QStringLiteral("first\nsecond"), QStringLiteral("first")},
    };
    for (const Entry& entry : entries) {
      QString kept;
      QVERIFY2(ThroughDialog(window(), 'A', QStringLiteral("AddTest"),
                             [&](QDialog& dialog) {
                               auto* name =
                                   dialog.findChild<QLineEdit*>(QStringLiteral("IDC_TEST_NAME"));
                               if (!entry.typed.isEmpty()) QTest::keyClicks(name, entry.typed);
                               if (!entry.pasted.isEmpty()) {
                                 QApplication::clipboard()->setText(entry.pasted);
                                 name->paste();
                               }
                               kept = name->text();
                               QTest::keyClick(name, Qt::Key_Escape);  // leaves without writing
                             }),
               entry.what);
      QVERIFY2(kept == entry.kept, entry.what);
    }
    QVERIFY(!QFile::exists(dir().Path(QStringLiteral("tests.tst"))));
  }

  void textBoxHoldsOnlyItsVisibleLines() {
    int visible = 0;
    int blocks = 0;
    bool plain = false;
    QVERIFY(ThroughDialog(window(), 'A', QStringLiteral("AddTest"), [&](QDialog& dialog) {
      auto* text = dialog.findChild<TestTextBox*>(QStringLiteral("IDC_TEST_TEXT"));
      plain = text->lineWrapMode() == QPlainTextEdit::NoWrap &&
              text->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
              text->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
              text->geometry() == DialogRect(7, 25, 239, 164);
      visible = text->VisibleLines();
      QTest::keyClicks(text, QStringLiteral("a"));
      for (int i = 0; i < 60; ++i) QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
      QTest::keyClicks(text, QStringLiteral("z"));
      blocks = text->document()->blockCount();
      QTest::keyClick(text, Qt::Key_Enter, Qt::KeypadModifier);
    }));
    QVERIFY(plain);
    QVERIFY2(visible >= 12 && visible <= 30, qPrintable(QString::number(visible)));
    QCOMPARE(blocks, visible);
    std::string text = "a";
    for (int i = 1; i < visible; ++i) text += "\r\n";
    text += "z";
    std::string stored;
    for (char c : text) {
      if (c == '\n') stored.push_back('\r');
      stored.push_back(c);
    }
    QCOMPARE(support::ReadFile(dir().Library()), "\r\n~\r\n" + stored);
  }

  // A pasted text can carry U+0000; the library never gets a zero byte.
  void pastedZeroCharactersAreDropped() {
    QString shown;
    QVERIFY(ThroughDialog(window(), 'A', QStringLiteral("AddTest"), [&](QDialog& dialog) {
      auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("IDC_TEST_NAME"));
      auto* text = dialog.findChild<TestTextBox*>(QStringLiteral("IDC_TEST_TEXT"));
      QTest::keyClicks(name, QStringLiteral("Nul"));
      text->setFocus();
      QApplication::clipboard()->setText(QString::fromUtf16(u"a\u0000b\r\n\u0000c\u0000", 8));
      text->paste();
      shown = text->toPlainText();
      QTest::keyClick(text, Qt::Key_Return);
    }));
    QCOMPARE(shown, QStringLiteral("ab\nc"));
    QCOMPARE(QByteArray::fromStdString(support::ReadFile(dir().Library())),
             QByteArray("\r\n~Nul\r\nab\r\r\nc"));
  }

  // Both lists follow the locale's collation, as a sorted Windows list box does:
  // accented names among their letters, case ignored, equal names in file order.
  void listsSortByTheLocale() {
    support::WriteFile(dir().Library(),
                       "\r\n~Zulu\r\nz\r\n~\xC9"
                       "cole\r\ne\r\n~apple\r\na\r\n~Eagle\r\ne\r\n"
                       "~\xD6l\r\no\r\n~eagle\r\ne");
    const QString ecole = QString::fromUtf8("\u00C9cole");
    const QString ol = QString::fromUtf8("\u00D6l");
    struct Case {
      const char* dialogName;
      QLocale locale;
      QStringList expected;
    };
    const QStringList neutral = {
        QStringLiteral("apple"), QStringLiteral("Eagle"), QStringLiteral("eagle"), ecole, ol,
        QStringLiteral("Zulu")};
    const std::vector<Case> cases = {
        {"SelectTest", QLocale::c(), neutral},
        {"EditTest", QLocale::c(), neutral},
        {"SelectTest", QLocale(QLocale::French, QLocale::France), neutral},
        // Swedish puts Ö after Z.
        {"EditTest",
         QLocale(QLocale::Swedish, QLocale::Sweden),
         {QStringLiteral("apple"), QStringLiteral("Eagle"), QStringLiteral("eagle"), ecole,
          QStringLiteral("Zulu"), ol}},
    };
    const QLocale before;
    for (const Case& c : cases) {
      const char* dialogName = c.dialogName;
      const QStringList& expected = c.expected;
      QLocale::setDefault(c.locale);
      QStringList texts;
      const bool opened = ThroughDialog(
          window(), dialogName[0] == 'S' ? 'S' : 'E', QString::fromLatin1(dialogName),
          [&](QDialog& dialog) {
            texts = ListTexts(*dialog.findChild<QListWidget*>(QStringLiteral("IDC_TEST_LIST")));
            QTest::keyClick(&dialog, Qt::Key_Escape);
          });
      QLocale::setDefault(before);
      QVERIFY2(opened, dialogName);
      QCOMPARE(texts, expected);
    }
  }

  void editTestFillsTheNameAndAppends() {
    dir().AddSample();
    const std::string original = support::ReadFile(dir().Library());
    bool placed = false;
    bool updateFocused = false;
    QStringList tabOrder;
    QString nameAfterClick;
    bool idleUntouched = false;
    bool stillOpen = false;
    QVERIFY(ThroughDialog(window(), 'E', QStringLiteral("EditTest"), [&](QDialog& dialog) {
      placed = dialog.size() == QSize(534, 322) && CentredOnMain(dialog, window());
      auto* update = dialog.findChild<QPushButton*>(QStringLiteral("IDC_UPDATE_BUTTON"));
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("IDC_TEST_LIST"));
      auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("IDC_TEST_NAME"));
      auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("IDC_TEST_TEXT"));
      updateFocused = dialog.focusWidget() == update && update->isDefault() &&
                      list->geometry() == DialogRect(249, 7, 100, 183);
      for (QWidget* at = update; tabOrder.size() < 4; at = at->nextInFocusChain()) {
        if (at->focusPolicy() & Qt::TabFocus) tabOrder << at->objectName();
      }
      const QImage before = window().backBuffer().copy();
      const int row = static_cast<int>(ListTexts(*list).indexOf(QStringLiteral("Warm-up")));
      DoubleClickRow(*list, row);
      nameAfterClick = name->text();
      idleUntouched = window().backBuffer() == before;
      stillOpen = dialog.isVisible();
      QTest::keyClicks(text, QStringLiteral("again"));
      QTest::mouseClick(update, Qt::LeftButton);
    }));
    QVERIFY(placed);
    QVERIFY(updateFocused);
    QCOMPARE(tabOrder,
             QStringList({QStringLiteral("IDC_UPDATE_BUTTON"), QStringLiteral("IDC_TEST_TEXT"),
                          QStringLiteral("IDC_TEST_NAME"), QStringLiteral("IDC_TEST_LIST")}));
    QCOMPARE(nameAfterClick, QStringLiteral("Warm-up"));
    QCOMPARE(std::string(window().program().SelectedTest.data()), std::string("Warm-up"));
    QVERIFY(idleUntouched);  // Edit Test's double-click does not redraw the idle rows
    QVERIFY(stillOpen);
    QVERIFY(FindDialog(QStringLiteral("EditTest")) == nullptr);
    QCOMPARE(support::ReadFile(dir().Library()), original + "\r\n~Warm-up\r\nagain");

    // Enter as soon as it opens runs Update with both boxes empty.
    QVERIFY(ThroughDialog(window(), 'E', QStringLiteral("EditTest"), [](QDialog& dialog) {
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    }));
    QCOMPARE(support::ReadFile(dir().Library()), original + "\r\n~Warm-up\r\nagain" + "\r\n~\r\n");
  }

  void leavingWritesNothing() {
    dir().AddSample();
    const std::string original = support::ReadFile(dir().Library());
    struct Way {
      char accelerator;
      const char* dialog;
      bool closeBox;
    };
    const std::vector<Way> ways = {{'A', "AddTest", false},
                                   {'A', "AddTest", true},
                                   {'E', "EditTest", false},
                                   {'E', "EditTest", true}};
    for (const Way& way : ways) {
      QVERIFY2(ThroughDialog(
                   window(), way.accelerator, QString::fromLatin1(way.dialog),
                   [&](QDialog& dialog) {
                     QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("IDC_TEST_NAME")),
                                      QStringLiteral("Never"));
                     QTest::keyClicks(
                         dialog.findChild<QPlainTextEdit*>(QStringLiteral("IDC_TEST_TEXT")),
                         QStringLiteral("stored"));
                     if (way.closeBox) {
                       dialog.close();
                     } else {
                       QTest::keyClick(&dialog, Qt::Key_Escape);
                     }
                   }),
               way.dialog);
      QVERIFY(FindDialog(QString::fromLatin1(way.dialog)) == nullptr);
    }
    QCOMPARE(support::ReadFile(dir().Library()), original);
  }

  void failedSaveKeepsTheDialogOpen() {
    struct Library {
      const char* what;
      std::function<void(const QString& path)> make;
      QString message;
    };
    const QString generic = QStringLiteral("Add Test | The test could not be saved to tests.tst.");
    const std::vector<Library> libraries = {
        {"a directory named tests.tst", [](const QString& path) { QDir().mkdir(path); }, generic},
        {"a link to /dev/full",
         [](const QString& path) { QFile::link(QStringLiteral("/dev/full"), path); }, generic},
        {"an end mark left by an old editor",
         [](const QString& path) {
           support::WriteFile(path.toStdString(), "\r\n~Old\r\ntext\x1A");
         },
         QStringLiteral("Add Test | The test was not saved because tests.tst contains an "
                        "end-of-file mark (byte 0x1A) that would hide it; remove that mark "
                        "with a text editor and save again.")},
    };
    for (const Library& library : libraries) {
      QVERIFY(OpenFresh());  // a folder and a window of its own for each library
      library.make(dir().Path(QStringLiteral("tests.tst")));
      auto message = std::make_shared<QString>();
      bool stayed = false;
      QString name;
      QString text;
      QVERIFY2(ThroughDialog(
                   window(), 'A', QStringLiteral("AddTest"),
                   [&](QDialog& dialog) {
                     auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("IDC_TEST_NAME"));
                     auto* textBox =
                         dialog.findChild<QPlainTextEdit*>(QStringLiteral("IDC_TEST_TEXT"));
                     QTest::keyClicks(nameBox, QStringLiteral("Kept"));
                     QTest::keyClicks(textBox, QStringLiteral("some text"));
                     QTest::keyClick(textBox, Qt::Key_Return, Qt::ControlModifier);
                     QTest::keyClicks(textBox, QStringLiteral("more"));
                     const auto boxOpened = WhenMessageBoxOpens(message);
                     QTest::keyClick(nameBox, Qt::Key_Return);  // Save fails; the box is dismissed
                     stayed = dialog.isVisible();
                     name = nameBox->text();
                     text = textBox->toPlainText();
                     QTest::keyClick(&dialog, Qt::Key_Escape);
                   }),
               library.what);
      QVERIFY2(stayed, library.what);
      QCOMPARE(*message, library.message);
      QCOMPARE(name, QStringLiteral("Kept"));
      QCOMPARE(text, QStringLiteral("some text\nmore"));
    }
  }

  void reportHasOnlyOkAsAWayOut() {
    const ReportTexts texts{"42.000000", "10", "7", "10.000000", "55", "3"};
    ReportDialog report(texts, window());
    report.open();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    QCOMPARE(report.size(), QSize(254, 219));

    // Each field on its label's row, five units right of it; the template's tab order.
    QList<QLabel*> labels = report.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 6);
    for (QLabel* label : labels) {
      QVERIFY(label->alignment() & Qt::AlignRight);
      QCOMPARE(label->geometry().x(), DialogUnitsX(7));
    }
    QStringList order;
    for (QWidget* at = report.focusWidget(); order.size() < 7; at = at->nextInFocusChain()) {
      if (at->focusPolicy() & Qt::TabFocus) order << at->objectName();
    }
    QCOMPARE(order,
             QStringList({QStringLiteral("IDC_WPM"), QStringLiteral("IDC_WORDS_IN_TEST"),
                          QStringLiteral("IDC_TIME_TAKEN"), QStringLiteral("IDC_WORDS_TYPED"),
                          QStringLiteral("IDC_CHARACTERS"), QStringLiteral("IDC_REPORT_OK"),
                          QStringLiteral("IDC_ERRORS")}));
    auto* ok = report.findChild<QPushButton*>(QStringLiteral("IDC_REPORT_OK"));
    QVERIFY(!ok->isDefault() && !ok->autoDefault());
    QCOMPARE(report.findChild<QLineEdit*>(QStringLiteral("IDC_TIME_TAKEN"))->text(),
             QStringLiteral("10.000000"));

    QTest::keyClick(report.focusWidget(), Qt::Key_Escape);
    QTest::keyClick(report.focusWidget(), Qt::Key_Return);
    report.close();  // the window manager's close
    QVERIFY(report.isVisible());
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Space);
    QVERIFY(!report.isVisible());
  }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
