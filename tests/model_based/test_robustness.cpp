#include "editor_driver.h"
#include "quiet_offscreen.h"
#include "readable.h"
#include "reference_model.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QTest>

#include <random>

// The real window with bad input and faults: a huge paste, characters
// outside the Basic Multilingual Plane, ten thousand presses, and the
// question dismissed with its close button. After each, everything the
// window shows is held against the reference model.

using reference::Place;
using reference::Text;

namespace {

Text Repeated(const Text& piece, std::size_t bytesOfUtf8) {
    Text text;
    while (reference::ToQString(text).toUtf8().size() < qsizetype(bytesOfUtf8)) {
        text += piece;
    }
    return text;
}

qsizetype CharacterCount(const QString& text) {
    return text.toUcs4().size();
}

// The resident set size of this process, in KiB.
qint64 ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
        }
    }
    return -1;
}

// Under AddressSanitizer freed memory waits in a quarantine before reuse, so
// the resident size grows by design; only the plain build measures it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool FreedMemoryIsReused = false;
#else
constexpr bool FreedMemoryIsReused = true;
#endif

void PasteIntoBoth(EditorDriver& driver, reference::EditorModel& model, reference::Box& box,
                   Place where, std::size_t offset, const Text& text, bool intoName) {
    if (intoName) {
        driver.pasteName(where, offset, text);
    } else {
        driver.pasteDeclaration(where, offset, text);
    }
    model.putOnClipboard(text);
    box.place(where, offset);
    if (where == Place::Replace) {
        box.eraseAll();
    }
    box.paste(text);
}

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void hugePasteIntoDeclarationKeepsOneHundredCharacters_data() {
        QTest::addColumn<Text>("pasted");
        QTest::addColumn<Place>("where");
        QTest::addColumn<int>("offset");

        const Text ascii = Repeated(U"static unsigned char x[] = {0x00}; ", 10 * 1024);
        const Text mixed = Repeated(U"\u00e4\u00f6\u00fc \U0001F600\n\"\\ \U00020BB7", 10 * 1024);
        const Text outsideBmp = Repeated(U"\U0001F600", 10 * 1024);
        QTest::newRow("plain text replacing everything") << ascii << Place::Replace << 0;
        QTest::newRow("plain text at the end") << ascii << Place::End << 0;
        QTest::newRow("mixed text after 30 characters") << mixed << Place::Offset << 30;
        QTest::newRow("mixed text at the start") << mixed << Place::Start << 0;
        QTest::newRow("emoji only at the end") << outsideBmp << Place::End << 0;
        QTest::newRow("emoji only replacing everything") << outsideBmp << Place::Replace << 0;
    }

    void hugePasteIntoDeclarationKeepsOneHundredCharacters() {
        QFETCH(Text, pasted);
        QFETCH(Place, where);
        QFETCH(int, offset);

        EditorDriver driver;
        reference::EditorModel model;
        driver.click(reference::CellRectangle(19).center(), Qt::LeftButton, Qt::NoModifier);
        model.press(19);
        PasteIntoBoth(driver, model, model.declarationBox(), where, std::size_t(offset), pasted,
                      false);

        const QString shown = driver.declarationBox()->toPlainText();
        QCOMPARE(CharacterCount(shown), reference::MaxDeclarationCharacters);
        const QStringList differences = driver.differencesFrom(model);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
    }

    void nameOutsideBmpIsLimitedByCharactersAndCopiedAsUtf8_data() {
        QTest::addColumn<Text>("name");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<Place>("where");
        QTest::addColumn<QString>("kept");

        const Text twelveEmoji(12, U'\U0001F600');
        const QString tenEmoji = reference::ToQString(Text(10, U'\U0001F600'));
        QTest::newRow("twelve typed") << twelveEmoji << false << Place::Replace << tenEmoji;
        QTest::newRow("twelve pasted") << twelveEmoji << true << Place::Replace << tenEmoji;
        QTest::newRow("tenth character typed outside the plane")
            << Text(U"abcdefghi\U0001D11Ez") << false << Place::Replace
            << QStringLiteral("abcdefghi\U0001D11E");
        QTest::newRow("tenth character pasted outside the plane")
            << Text(U"abcdefghi\U0001D11Ez") << true << Place::Replace
            << QStringLiteral("abcdefghi\U0001D11E");
        QTest::newRow("pasted before the old name")
            << Text(U"\U00020BB7\u00e4\U00020BB7\u00f6\U00020BB7\u00fc\U00020BB7") << true
            << Place::Start
            << QStringLiteral("\U00020BB7\u00e4\U00020BB7\u00f6\U00020BB7\u00fcbild");
        QTest::newRow("pasted with line breaks and tabs between")
            << Text(U"\U0001F600\n\U0001F600\t\U0001F600\r\n\"\\ '\U0001F600\u2028x\U0001F600")
            << true << Place::Replace
            << QStringLiteral("\U0001F600\U0001F600\U0001F600\"\\ '\U0001F600x\U0001F600");
    }

    void nameOutsideBmpIsLimitedByCharactersAndCopiedAsUtf8() {
        QFETCH(Text, name);
        QFETCH(bool, pasted);
        QFETCH(Place, where);
        QFETCH(QString, kept);

        EditorDriver driver;
        reference::EditorModel model;
        if (pasted) {
            PasteIntoBoth(driver, model, model.nameBox(), where, 0, name, true);
        } else {
            driver.typeName(where, 0, name);
            model.nameBox().place(where, 0);
            model.nameBox().eraseAll();
            for (const char32_t character : name) {
                model.nameBox().type(character);
            }
        }
        QCOMPARE(driver.nameBox()->text(), kept);

        driver.clickButton("Command7"); // "aktualisieren" writes the name into the declaration
        model.refresh();
        driver.clickButton("Command8");
        model.copy();
        const QStringList differences = driver.differencesFrom(model);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));

        const QByteArray bytes =
            QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain"));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8.decode(bytes);
        QVERIFY2(!utf8.hasError(), bytes.toHex(' ').constData());
        QCOMPARE(decoded, QStringLiteral("static unsigned char %1[] = "
                                         "{0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};")
                              .arg(kept));
    }

    void tenThousandPressesStayExactInFlatMemory() {
        EditorDriver driver;
        reference::EditorModel model;
        std::mt19937_64 random(10000);
        std::uniform_int_distribution<int> anyCell(0, reference::CellCount - 1);
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        qint64 residentAfterThousand = 0;
        for (int press = 1; press <= 10000; ++press) {
            const int cell = anyCell(random);
            driver.click(reference::CellRectangle(cell).center(), buttons[press % 3],
                         Qt::NoModifier);
            model.press(cell);
            const QStringList differences = driver.differencesFrom(model);
            QVERIFY2(
                differences.isEmpty(),
                qPrintable(QStringLiteral("after press %1 on cell %2:\n").arg(press).arg(cell) +
                           differences.join(QLatin1Char('\n'))));
            if (press == 1000) {
                residentAfterThousand = ResidentKiB();
            }
        }
        const qint64 growth = ResidentKiB() - residentAfterThousand;
        qInfo("resident set after 1,000 presses %lld KiB, growth to 10,000 presses %lld KiB",
              residentAfterThousand, growth);
        QVERIFY(residentAfterThousand > 0);
        if (FreedMemoryIsReused) {
            QVERIFY2(growth < 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth)));
        }
    }

    void closingTheQuestionCountsAsNo_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Reply>("reply");

        QTest::newRow("neu, close()") << QStringLiteral("Command1") << Reply::Close;
        QTest::newRow("neu, close button") << QStringLiteral("Command1") << Reply::CloseButton;
        QTest::newRow("neu (schwarz), close()") << QStringLiteral("Command3") << Reply::Close;
        QTest::newRow("neu (schwarz), close button")
            << QStringLiteral("Command3") << Reply::CloseButton;
    }

    void closingTheQuestionCountsAsNo() {
        QFETCH(QString, button);
        QFETCH(Reply, reply);

        EditorDriver driver;
        reference::EditorModel model;
        for (const int cell : {0, 9, 18, 27, 71}) {
            driver.click(reference::CellRectangle(cell).center(), Qt::LeftButton, Qt::NoModifier);
            model.press(cell);
        }
        // A hand-written declaration shows that not even a rebuild happens.
        driver.typeDeclaration(Place::End, 0, U" // von Hand");
        model.declarationBox().place(Place::End, 0);
        for (const char32_t character : Text(U" // von Hand")) {
            model.declarationBox().type(character);
        }
        QStringList differences = driver.differencesFrom(model);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));

        driver.clickAndReply(button.toLatin1().constData(), reply);
        differences = driver.differencesFrom(model);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
    }

    void nonBreakingSpaceReachesTheClipboardAsTyped_data() {
        QTest::addColumn<bool>("inName");
        QTest::newRow("typed into the declaration") << false;
        QTest::newRow("typed into the name") << true;
    }

    // AltGr+Space types U+00A0 on German keyboard layouts.
    void nonBreakingSpaceReachesTheClipboardAsTyped() {
        QFETCH(bool, inName);

        EditorDriver driver;
        reference::EditorModel model;
        const Text typed = U"a\u00a0b";
        if (inName) {
            driver.typeName(Place::Replace, 0, typed);
            model.nameBox().eraseAll();
            for (const char32_t character : typed) {
                model.nameBox().type(character);
            }
            driver.clickButton("Command7");
            model.refresh();
        } else {
            driver.typeDeclaration(Place::Start, 0, typed);
            model.declarationBox().place(Place::Start, 0);
            for (const char32_t character : typed) {
                model.declarationBox().type(character);
            }
        }
        driver.clickButton("Command8");
        model.copy();
        QVERIFY(model.clipboard().contains(QChar(0x00A0)));
        const QStringList differences = driver.differencesFrom(model);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"
