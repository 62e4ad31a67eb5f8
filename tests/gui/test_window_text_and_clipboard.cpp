// Typing and pasting into the text boxes, copying the declaration, and the
// end of the program.

#include "gui_support.h"

#include <stdexcept>

#include <QInputMethodEvent>
#include <QMimeData>

using namespace kobalin;

namespace {

// A desktop whose clipboard another program holds.
class HeldClipboard : public QtPlatform {
public:
    bool putOnClipboard(const std::string&) override { return false; }
};

// A desktop whose clipboard fails in a way the program does not expect.
class BrokenClipboard : public QtPlatform {
public:
    bool putOnClipboard(const std::string&) override { throw std::runtime_error("clipboard gone"); }
};

const QString Grin = QString::fromUcs4(U"\U0001F600");

// 10 KB in a pattern that shows which part was kept.
QString TenKilobytes() {
    return QStringLiteral("0123456789").repeated(1024);
}

void Paste(QWidget* box, const QString& text) {
    PutOnClipboard(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// A character committed by an input method, as emoji and other characters
// outside the keyboard arrive: both halves of a surrogate pair at once.
void Commit(QWidget* box, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

bool HasSplitCharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pairStarts =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pairStarts) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return true;
        }
    }
    return false;
}

} // namespace

class TestWindowTextAndClipboard : public QObject {
    Q_OBJECT

private slots:
    void init() {
        editor_ = OpenEditor();
        QVERIFY(!QTest::currentTestFailed());
    }
    void cleanup() { editor_.reset(); }

    void declarationKeepsAtMost100Characters_data() {
        QTest::addColumn<bool>("replaceAll");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        const QString digits = QStringLiteral("0123456789");
        QTest::newRow("typed over everything")
            << true << digits.repeated(12) << QString() << digits.repeated(10);
        QTest::newRow("10 KB pasted over everything")
            << true << QString() << TenKilobytes() << digits.repeated(10);
        QTest::newRow("10 KB pasted at the end")
            << false << QString() << TenKilobytes() << StartBoxText() + digits.repeated(3).left(22);
        QTest::newRow("typed at the end") << false << digits.repeated(3) << QString()
                                          << StartBoxText() + digits.repeated(3).left(22);
    }
    void declarationKeepsAtMost100Characters() {
        QFETCH(bool, replaceAll);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QPlainTextEdit* text1 = editor_->text1();
        QTest::keyClick(text1, replaceAll ? Qt::Key_A : Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(text1, typed);
        if (!pasted.isEmpty()) {
            Paste(text1, pasted);
        }
        QCOMPARE(text1->toPlainText(), kept);
        QCOMPARE(editor_->window->state().Text1, QString(kept).replace("\n", "\r\n").toStdString());

        QTest::keyClicks(text1, "z");
        QCOMPARE(text1->toPlainText(), kept);
        QCOMPARE(text1->textCursor().position(), kept.size());
    }

    void nameKeepsAtMost10Characters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("typed") << "abcdefghijkl" << QString() << "abcdefghij";
        QTest::newRow("pasted") << QString() << "0123456789ABC"
                                << "0123456789";
        QTest::newRow("pasted after typing") << "bild"
                                             << "0123456789"
                                             << "bild012345";
        QTest::newRow("10 KB pasted") << QString() << TenKilobytes() << "0123456789";
        QTest::newRow("line breaks and tabs pasted") << QString() << "ab\ncd\te\r\nf\u2028g"
                                                     << "abcdefg";
        QTest::newRow("blanks kept") << " a b " << QString() << " a b ";
        QTest::newRow("emoji pasted") << QString() << Grin.repeated(12) << Grin.repeated(10);
        QTest::newRow("emoji pasted at the limit")
            << "abcdefghi" << Grin.repeated(2) << "abcdefghi" + Grin;
    }
    void nameKeepsAtMost10Characters() {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QLineEdit* name = editor_->text3();
        name->setFocus();
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, typed);
        if (!pasted.isEmpty()) {
            Paste(name, pasted);
        }

        QCOMPARE(name->text(), kept);
        QCOMPARE(name->cursorPosition(), kept.size());
        QVERIFY(!HasSplitCharacter(name->text()));
        QCOMPARE(editor_->window->state().Text3, kept.toStdString());
        // Typing the name rebuilds nothing; "aktualisieren" writes it.
        QCOMPARE(editor_->text1()->toPlainText(), StartBoxText());
        editor_->click(editor_->command(7));
        QVERIFY(
            editor_->text1()->toPlainText().startsWith("static unsigned char " + kept + "[] = {"));
    }

    void nameCountsAnEmojiAsOneCharacter() {
        QLineEdit* name = editor_->text3();
        name->setFocus();
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClicks(name, "1234");
        Commit(name, Grin);
        QCOMPARE(name->text(), "bild1234" + Grin);
        Commit(name, Grin);
        QCOMPARE(name->text(), "bild1234" + Grin + Grin); // ten characters in 12 code units
        Commit(name, Grin);
        QTest::keyClicks(name, "x");
        QCOMPARE(name->text(), "bild1234" + Grin + Grin);
        QCOMPARE(editor_->window->state().Text3, ("bild1234" + Grin + Grin).toStdString());

        // Room for one more character, not for half of an emoji.
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), "bild1234" + Grin);
        Paste(name, "x" + Grin);
        QCOMPARE(name->text(), "bild1234" + Grin + "x");
    }

    void copyPutsExactlyTheDeclarationOnTheClipboard() {
        PutOnClipboard("something else");
        editor_->click(editor_->command(8));
        // The start text goes out as it is, line break included.
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "static unsigned char bild[] = "
                 "{0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n");
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});

        editor_->click(editor_->cells[19]);
        editor_->click(editor_->command(8));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "static unsigned char bild[] = "
                 "{0x00,0x00,0x10,0x00,0x00,0x00,0x00,0x00,0x00};");

        // What the user typed into the box goes with it.
        QPlainTextEdit* text1 = editor_->text1();
        QTest::keyClick(text1, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(text1, Qt::Key_Return);
        QTest::keyClicks(text1, "// 3");
        editor_->click(editor_->command(8));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdString(editor_->window->state().Text1));
        QVERIFY(QGuiApplication::clipboard()->text().endsWith("};\r\n// 3"));
    }

    void aHeldClipboardIsReportedAndEditingGoesOn() {
        editor_ = OpenEditor(std::make_unique<HeldClipboard>());
        QVERIFY(!QTest::currentTestFailed());
        editor_->click(editor_->cells[19]);
        const WindowState before = editor_->window->state();

        BoxAnswerer error(ClickButton(QMessageBox::Ok));
        editor_->click(editor_->command(8));

        QVERIFY(error.seen().seen);
        QCOMPARE(error.seen().name, "error");
        QCOMPARE(error.seen().text, "Die Zwischenablage konnte nicht beschrieben werden.");
        QCOMPARE(error.seen().title, "Kobalin");
        QVERIFY(editor_->window->state() == before);
        QVERIFY(editor_->window->isVisible());
        QCOMPARE(editor_->cells[19]->fillColour(), Black);

        editor_->click(editor_->cells[20]);
        QCOMPARE(editor_->rowCaptions[2]->text(), "18");
    }

    void anUnexpectedFaultIsShownAndEndsTheProgram() {
        editor_ = OpenEditor(std::make_unique<BrokenClipboard>());
        QVERIFY(!QTest::currentTestFailed());
        BoxAnswerer error(ClickButton(QMessageBox::Ok));
        QTimer::singleShot(0, editor_->window.get(),
                           [this] { editor_->click(editor_->command(8)); });
        QTimer stuck;
        stuck.setSingleShot(true);
        connect(&stuck, &QTimer::timeout, &stuck, [] { QCoreApplication::exit(0); });
        stuck.start(10000);

        QCOMPARE(QApplication::exec(), EXIT_FAILURE);
        QVERIFY(error.seen().seen);
        QCOMPARE(error.seen().name, "error");
        QCOMPARE(error.seen().text, "clipboard gone");
    }

    // Last: ending the event loop is for good in the process's eyes.
    void endingTheProgram_data() {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Beenden") << true;
        QTest::newRow("closing the window") << false;
    }
    void endingTheProgram() {
        QFETCH(bool, byButton);
        editor_->click(editor_->cells[19]); // no question about the unsaved sprite
        BoxAnswerer anyBox(ClickButton(QMessageBox::No));
        QTimer::singleShot(0, editor_->window.get(), [this, byButton] {
            if (byButton) {
                editor_->click(editor_->command(4));
            } else {
                editor_->window->close();
            }
        });
        QTimer stuck;
        stuck.setSingleShot(true);
        connect(&stuck, &QTimer::timeout, &stuck, [] { QCoreApplication::exit(1); });
        stuck.start(10000);

        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!anyBox.seen().seen);
        QVERIFY(!editor_->window->isVisible());
    }

private:
    std::unique_ptr<Editor> editor_;
};

QTEST_MAIN(TestWindowTextAndClipboard)
#include "test_window_text_and_clipboard.moc"
