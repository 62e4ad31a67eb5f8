#include "declaration.h"
#include "test_support.h"

using namespace kobalin;

class TestDeclaration : public QObject {
    Q_OBJECT

private slots:
    void declarationText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("expected");

        const QStringList clear(9, "00");
        QTest::newRow("three rows") << "bild"
                                    << "3" << QStringList{"18", "3C", "FF"}
                                    << "static unsigned char bild[] = {0x18,0x3C,0xFF};";
        QTest::newRow("empty name, one row")
            << ""
            << "1" << clear << "static unsigned char XXXXX[] = {0x00};";
        QTest::newRow("start sprite") << "bild"
                                      << "9" << clear
                                      << "static unsigned char bild[] = "
                                         "{0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};";
        QTest::newRow("full sprite") << "bild"
                                     << "9" << QStringList(9, "FF")
                                     << "static unsigned char bild[] = "
                                        "{0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF};";
        QTest::newRow("one-character name")
            << "a"
            << "1" << QStringList{"7E"} << "static unsigned char a[] = {0x7E};";
        QTest::newRow("ten-character name") << "abcdefghij"
                                            << "9" << clear
                                            << "static unsigned char abcdefghij[] = "
                                               "{0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};";
        QTest::newRow("two blanks") << "  "
                                    << "2" << clear << "static unsigned char   [] = {0x00,0x00};";
        QTest::newRow("not an identifier")
            << "mein bild"
            << "1" << clear << "static unsigned char mein bild[] = {0x00};";
        QTest::newRow("leading digit") << "2x"
                                       << "1" << clear << "static unsigned char 2x[] = {0x00};";
        QTest::newRow("umlauts") << "Größe"
                                 << "1" << clear << "static unsigned char Größe[] = {0x00};";
        QTest::newRow("rows past the height never appear")
            << "bild"
            << "2" << QStringList{"01", "02", "03", "04", "05", "06", "07", "08", "09"}
            << "static unsigned char bild[] = {0x01,0x02};";
    }

    void declarationText() {
        QFETCH(QString, name);
        QFETCH(QString, height);
        QFETCH(QStringList, rows);
        QFETCH(QString, expected);

        WindowState state;
        state.Text3 = name.toStdString();
        state.Text2 = height.toStdString();
        for (qsizetype row = 0; row < rows.size(); ++row) {
            state.Label1[static_cast<std::size_t>(row)].caption = rows[row].toStdString();
        }
        const WindowState before = state;
        BuildDeclaration(state);
        QCOMPARE(QString::fromStdString(state.Text1), expected);

        // Only Text1 changed.
        state.Text1 = before.Text1;
        QVERIFY(state == before);
    }

    void lengthFollowsNameAndHeight() {
        for (int length = 0; length <= 10; ++length) {
            for (int height = 1; height <= 9; ++height) {
                WindowState state;
                state.Text3 = std::string(static_cast<std::size_t>(length), 'n');
                state.Text2 = std::to_string(height);
                BuildDeclaration(state);
                const auto expected = length == 0 ? 33 + 5 * height : 28 + length + 5 * height;
                QCOMPARE(int(state.Text1.size()), expected);
                QVERIFY(state.Text1.find('\n') == std::string::npos);
                QVERIFY(state.Text1.find(", ") == std::string::npos);
            }
        }
        WindowState longest;
        longest.Text3 = "abcdefghij";
        BuildDeclaration(longest);
        QCOMPARE(longest.Text1.size(), std::size_t{83});
    }

    void rebuildReplacesHandEditsAndDropsTheStartLineBreak() {
        WindowState state;
        QVERIFY(state.Text1.ends_with("};\r\n"));
        BuildDeclaration(state);
        QCOMPARE(state.Text1, std::string(StartDeclaration).substr(0, 77));
        state.Text1 = "hand edit";
        BuildDeclaration(state);
        QVERIFY(state.Text1.starts_with("static unsigned char bild[] = {"));
    }
};

QTEST_GUILESS_MAIN(TestDeclaration)
#include "test_declaration.moc"
