// The editor's rules without a display: the handlers on a window state, with
// a fake desktop. Sprites are written as their nine row bytes, "80 00 10 ...".
#include "declaration.h"
#include "test_support.h"

using namespace kobalin;

namespace {

// Cells, row captions and declaration all show these rows and this height.
void CheckSprite(const WindowState& state, int height, const QString& rows) {
    QCOMPARE(state.Text2, std::to_string(height));
    QStringList cells;
    QStringList captions;
    for (std::size_t row = 0; row < Rows; ++row) {
        int byte = 0;
        for (std::size_t column = 0; column < Columns; ++column) {
            byte = byte * 2 + (state.Picture1[row * Columns + column].fillColour == Black);
        }
        cells << QString::fromStdString(Hex(byte));
        captions << QString::fromStdString(state.Label1[row].caption);
    }
    QCOMPARE(cells.join(' '), rows);
    QCOMPARE(captions.join(' '), rows);
    std::vector<int> active;
    for (const QString& byte : rows.split(' ').first(height)) {
        active.push_back(byte.toInt(nullptr, 16));
    }
    QCOMPARE(state.Text1, Declaration(state.Text3, active));
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT

private slots:
    void actions_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("nibbles");
        const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
        const char* drawn = "80 00 10 00 00 00 00 00 01";
        row("high bit left") << "0" << 9 << "80 00 00 00 00 00 00 00 00"
                             << "1000 0000";
        row("upper-case hex") << "32 34 37 39" << 9 << "00 00 00 00 A5 00 00 00 00"
                              << "1010 0101";
        row("across the nibbles") << "19 20" << 9 << "00 00 18 00 00 00 00 00 00"
                                  << "0001 1000";
        row("pressed twice") << "71 71" << 9 << "00 00 00 00 00 00 00 00 00"
                             << "0000 0000";
        row("only the pressed row encoded") << "71 19" << 9 << "00 00 10 00 00 00 00 00 01"
                                            << "0001 0000";
        row("+ at 9 still refreshes") << "0 19 71 +" << 9 << drawn << "0000 0001";
        row("-+ clears row 8 for good") << "schwarz:yes - +" << 9 << "FF FF FF FF FF FF FF FF 00"
                                        << "0000 0000";
        row("- at 1 stays") << "0 - - - - - - - - -" << 1 << "80 00 00 00 00 00 00 00 00"
                            << "0000 0000";
        row("neu, Yes") << "0 19 71 neu:yes" << 9 << "00 00 00 00 00 00 00 00 00"
                        << "0000 0000";
        row("neu, No") << "0 19 71 neu:no" << 9 << drawn << "0000 0001";
        row("neu (schwarz), Yes") << "schwarz:yes" << 9 << "FF FF FF FF FF FF FF FF FF"
                                  << "1111 1111";
        row("neu (schwarz), Yes at height 5")
            << "- - - - schwarz:yes" << 5 << "FF FF FF FF FF 00 00 00 00"
            << "0000 0000";
        row("neu (schwarz), No at height 5")
            << "0 19 - - - - schwarz:no" << 5 << "80 00 10 00 00 00 00 00 00"
            << "0000 0000";
        row("invertieren") << "0 19 71 invertieren" << 9 << "7F FF EF FF FF FF FF FF FE"
                           << "1111 1110";
        row("invertieren at height 1")
            << "0 - - - - - - - - invertieren" << 1 << "7F 00 00 00 00 00 00 00 00"
            << "0000 0000";
        row("aktualisieren") << "0 19 71 aktualisieren" << 9 << drawn << "0000 0000";
    }
    void actions() {
        QFETCH(QString, actions);
        QFETCH(int, height);
        QFETCH(QString, rows);
        QFETCH(QString, nibbles);
        FakePlatform platform;
        WindowState state;
        Play(state, platform, actions);
        CheckSprite(state, height, rows);
        QCOMPARE(QString::fromStdString(state.Label5 + ' ' + state.Label6), nibbles);
        QCOMPARE(platform.questions, actions.count("neu:") + actions.count("schwarz:"));
    }

    // The captions of rows beyond the height are "FF" and must be left out.
    void declaration_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start") << "bild" << QStringList(Rows, "00")
                               << "static unsigned char bild[] = "
                                  "{0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};";
        QTest::newRow("example") << "bild" << QStringList{"00", "3C", "00"}
                                 << "static unsigned char bild[] = {0x00,0x3C,0x00};";
        QTest::newRow("empty name")
            << "" << QStringList{"01", "A0"} << "static unsigned char XXXXX[] = {0x01,0xA0};";
        QTest::newRow("name as typed")
            << " Bär 1" << QStringList{"00"} << "static unsigned char  Bär 1[] = {0x00};";
    }
    void declaration() {
        QFETCH(QString, name);
        QFETCH(QStringList, rows);
        QFETCH(QString, expected);
        WindowState state;
        state.Text3 = name.toStdString();
        state.Text2 = std::to_string(rows.size());
        for (std::size_t row = 0; row < Rows; ++row) {
            state.Label1[row].caption =
                row < std::size_t(rows.size()) ? rows[row].toStdString() : "FF";
        }
        BuildDeclaration(state);
        QCOMPARE(QString::fromStdString(state.Text1), expected);
        const auto nameBytes = name.isEmpty() ? 5 : name.toUtf8().size();
        QCOMPARE(qsizetype(state.Text1.size()), 28 + nameBytes + 5 * rows.size());
    }

    void pressAndMoveShowThePosition() {
        WindowState state;
        Picture1_MouseDown(state, 19);
        QCOMPARE(state.Label3 + ',' + state.Label4, "4,3");
        Picture1_MouseMove(state, 63);
        QCOMPARE(state.Label3 + ',' + state.Label4, "8,8");
        CheckSprite(state, 9, "00 00 10 00 00 00 00 00 00");
    }

    void nameGridCopyAndEnd() {
        FakePlatform platform;
        WindowState state;
        const std::vector<int> clear(Rows, 0);
        Play(state, platform, "copy name=sprite copy"); // typing the name rebuilds nothing
        QCOMPARE(platform.clipboard, Declaration("bild", clear) + "\r\n");
        Play(state, platform, "aktualisieren copy");
        QCOMPARE(platform.clipboard, Declaration("sprite", clear));

        Play(state, platform, "-"); // the grid reaches hidden cells too
        for (const std::int16_t ticked : {1, 0}) {
            state.Check2 = ticked;
            Check2_Click(state);
            for (const Cell& cell : state.Picture1) {
                QCOMPARE(cell.border == BorderStyle::Single, ticked == 1);
            }
        }

        const WindowState before = state;
        platform.clipboardWorks = false;
        Play(state, platform, "copy");
        QCOMPARE(platform.errors, 1);
        QCOMPARE(platform.clipboard, Declaration("sprite", clear));
        QVERIFY(state == before);
        Command4_Click(platform);
        QCOMPARE(platform.quits + platform.questions, 1);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
