#include "handlers.h"
#include "pixel_op.h"
#include "test_support.h"

using namespace kobalin;

namespace {

std::string Declaration(const std::string& name, const std::vector<std::string>& rows) {
    std::string text = "static unsigned char " + name + "[] = {";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        text += "0x" + rows[i] + (i + 1 < rows.size() ? "," : "};");
    }
    return text;
}

// A sprite with something in every row, painted by presses.
WindowState Drawn() {
    WindowState state;
    for (std::int16_t row = 0; row < Rows; ++row) {
        Picture1_MouseDown(state, static_cast<std::int16_t>(row * 8 + row % 8));
        Picture1_MouseDown(state, static_cast<std::int16_t>(row * 8 + 7));
    }
    return state;
}

std::vector<std::string> RowCaptions(const WindowState& state) {
    std::vector<std::string> rows;
    for (const RowCaption& row : state.Label1) {
        rows.push_back(row.caption);
    }
    return rows;
}

} // namespace

class TestHandlers : public QObject {
    Q_OBJECT

private slots:
    void startState() {
        const WindowState state;
        for (const Cell& cell : state.Picture1) {
            QCOMPARE(cell.fillColour, White);
            QCOMPARE(cell.border, BorderStyle::None);
            QVERIFY(cell.enabled && cell.visible);
        }
        for (const RowCaption& row : state.Label1) {
            QCOMPARE(row.caption, "00");
            QVERIFY(row.visible);
        }
        QCOMPARE(state.Label3, "0");
        QCOMPARE(state.Label4, "0");
        QCOMPARE(state.Label5, "0000");
        QCOMPARE(state.Label6, "0000");
        QCOMPARE(state.Text2, "9");
        QCOMPARE(state.Text3, "bild");
        QCOMPARE(state.Check2, 0);
        QCOMPARE(state.Text1, Declaration("bild", std::vector<std::string>(9, "00")) + "\r\n");
    }

    void pressOnCell19WalksThroughEveryCaption() {
        WindowState state;
        Picture1_MouseDown(state, 19);
        QCOMPARE(state.Label3, "4");
        QCOMPARE(state.Label4, "3");
        QCOMPARE(state.Picture1[19].fillColour, Black);
        QCOMPARE(state.Label5, "0001");
        QCOMPARE(state.Label6, "0000");
        QCOMPARE(state.Label1[2].caption, "10");
        QCOMPARE(state.Text1, "static unsigned char bild[] = "
                              "{0x00,0x00,0x10,0x00,0x00,0x00,0x00,0x00,0x00};");

        Picture1_MouseDown(state, 19);
        QCOMPARE(state.Picture1[19].fillColour, White);
        QCOMPARE(state.Label1[2].caption, "00");
        QCOMPARE(state.Text1, Declaration("bild", std::vector<std::string>(9, "00")));
    }

    void pressEncodesOnlyThePressedRow() {
        WindowState state;
        PixelOp(state, 0, PixelMode::Set); // not yet encoded
        Picture1_MouseDown(state, 71);
        QCOMPARE(state.Label3, "8");
        QCOMPARE(state.Label4, "9");
        QCOMPARE(state.Label1[0].caption, "00");
        QCOMPARE(state.Label1[8].caption, "01");
        QCOMPARE(state.Label5, "0000");
        QCOMPARE(state.Label6, "0001");

        Picture1_MouseDown(state, 0);
        QCOMPARE(state.Label3, "1");
        QCOMPARE(state.Label4, "1");
        QCOMPARE(state.Picture1[0].fillColour, White); // it was set, so the press cleared it
    }

    void moveShowsOnlyThePosition() {
        WindowState state;
        Picture1_MouseDown(state, 12);
        WindowState expected = state;
        Picture1_MouseMove(state, 63);
        expected.Label3 = "8";
        expected.Label4 = "8";
        QVERIFY(state == expected);
    }

    void heightStepsWithinOneToNine() {
        WindowState state;
        Command6_Click(state);
        QCOMPARE(state.Text2, "9");
        for (const char* height : {"8", "7", "6", "5", "4", "3", "2", "1", "1"}) {
            Command5_Click(state);
            QCOMPARE(state.Text2, height);
        }
        for (const char* height : {"2", "3", "4", "5", "6", "7", "8", "9", "9"}) {
            Command6_Click(state);
            QCOMPARE(state.Text2, height);
        }
    }

    void loweringTheHeightLosesTheRowsForGood() {
        WindowState state = Drawn();
        const auto rowsBefore = RowCaptions(state);
        QCOMPARE(rowsBefore[8], "81");

        Command5_Click(state);
        QCOMPARE(state.Text2, "8");
        QCOMPARE(state.Text1, Declaration("bild", {rowsBefore.begin(), rowsBefore.end() - 1}));
        QVERIFY(!state.Label1[8].visible);
        QCOMPARE(state.Label5, "0000"); // the refresh ends with row 8, now clear
        QCOMPARE(state.Label6, "0000");

        Command6_Click(state);
        QCOMPARE(state.Text2, "9");
        QVERIFY(state.Label1[8].visible);
        QCOMPARE(state.Label1[8].caption, "00");
        QVERIFY(state.Text1.ends_with(",0x00};"));

        for (int i = 0; i < 8; ++i) {
            Command5_Click(state);
        }
        for (int i = 0; i < 8; ++i) {
            Command6_Click(state);
        }
        auto expectedRows = std::vector<std::string>(9, "00");
        expectedRows[0] = rowsBefore[0];
        QCOMPARE(RowCaptions(state), expectedRows);
        QCOMPARE(state.Text1, Declaration("bild", expectedRows));
        for (std::int16_t i = 8; i < CellCount; ++i) {
            QCOMPARE(state.Picture1[i].fillColour, White);
        }
    }

    void heightButtonAtItsLimitStillRefreshes() {
        WindowState state;
        PixelOp(state, 70, PixelMode::Set); // set but not encoded
        Command6_Click(state);
        QCOMPARE(state.Text2, "9");
        QCOMPARE(state.Label1[8].caption, "02");
        QCOMPARE(state.Label5, "0000");
        QCOMPARE(state.Label6, "0010");

        for (int i = 0; i < 8; ++i) {
            Command5_Click(state);
        }
        Picture1_MouseDown(state, 0);
        const WindowState atOne = state;
        Command5_Click(state);
        QCOMPARE(state.Text2, "1");
        QCOMPARE(state.Text1, "static unsigned char bild[] = {0x80};");
        QCOMPARE(state.Label5, "0000");
        QCOMPARE(state.Label6, "0000");
        QVERIFY(state.Picture1 == atOne.Picture1);
        QVERIFY(state.Label1 == atOne.Label1);
    }

    void newAsksFirst() {
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            WindowState state = Drawn();
            state.Text1 = "typed by hand";
            const WindowState before = state;
            FakePlatform platform;
            platform.answer = answer;
            Command1_Click(state, platform);
            QCOMPARE(platform.questions, std::vector<std::string>{"Sind Sie sicher?"});
            if (answer == Answer::No) {
                QVERIFY(state == before);
                continue;
            }
            for (const Cell& cell : state.Picture1) {
                QCOMPARE(cell.fillColour, White);
            }
            QCOMPARE(state.Text1, Declaration("bild", std::vector<std::string>(9, "00")));
        }
    }

    void newVisitsOnlyActiveRows() {
        WindowState state = Drawn();
        for (int i = 0; i < 6; ++i) {
            Command5_Click(state);
        }
        FakePlatform platform;
        Command1_Click(state, platform);
        QCOMPARE(state.Text1, Declaration("bild", {"00", "00", "00"}));
        QVERIFY(!state.Picture1[24].visible);
    }

    void newBlackAsksFirst() {
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            WindowState state;
            const WindowState before = state;
            FakePlatform platform;
            platform.answer = answer;
            Command3_Click(state, platform);
            QCOMPARE(platform.questions.size(), std::size_t{1});
            if (answer == Answer::No) {
                QVERIFY(state == before);
                continue;
            }
            QCOMPARE(RowCaptions(state), std::vector<std::string>(9, "FF"));
            QCOMPARE(state.Text1, Declaration("bild", std::vector<std::string>(9, "FF")));
            QCOMPARE(state.Label5, "1111");
            QCOMPARE(state.Label6, "1111");
        }
    }

    void newBlackBelowFullHeightLeavesTheHiddenRowsClear() {
        WindowState state;
        for (int i = 0; i < 4; ++i) {
            Command5_Click(state);
        }
        FakePlatform platform;
        Command3_Click(state, platform);
        QCOMPARE(state.Text1, Declaration("bild", std::vector<std::string>(5, "FF")));
        QCOMPARE(state.Label5, "0000");
        QCOMPARE(state.Label6, "0000");
        QCOMPARE(state.Picture1[40].fillColour, White);
    }

    void invertTwiceGivesTheSpriteBack() {
        WindowState state = Drawn();
        const WindowState drawn = state;
        Command2_Click(state);
        for (std::int16_t i = 0; i < CellCount; ++i) {
            QVERIFY(state.Picture1[i].fillColour != drawn.Picture1[i].fillColour);
        }
        QCOMPARE(state.Label1[0].caption, "7E");
        Command2_Click(state);
        QVERIFY(state.Picture1 == drawn.Picture1);
        QCOMPARE(RowCaptions(state), RowCaptions(drawn));
        QCOMPARE(state.Text1, drawn.Text1);
    }

    void invertAtHeightOneTouchesRowZeroOnly() {
        WindowState state;
        for (int i = 0; i < 8; ++i) {
            Command5_Click(state);
        }
        Command2_Click(state);
        QCOMPARE(state.Text1, "static unsigned char bild[] = {0xFF};");
        for (std::int16_t i = 0; i < CellCount; ++i) {
            QCOMPARE(state.Picture1[i].fillColour, i < 8 ? Black : White);
        }
    }

    void refreshPicksUpTheNameAndResetsTheNibbles() {
        WindowState state = Drawn();
        state.Text3 = "";
        const std::string before = state.Text1;
        QVERIFY(before.starts_with(
            "static unsigned char bild[] = {")); // the name alone rebuilds nothing
        const auto cells = state.Picture1;
        Command7_Click(state);
        QVERIFY(state.Text1.starts_with("static unsigned char XXXXX[] = {"));
        QCOMPARE(state.Text1.substr(32), before.substr(31));
        QCOMPARE(state.Label5, "0000");
        QCOMPARE(state.Label6, "0000");
        QVERIFY(state.Picture1 == cells);

        WindowState start;
        Command7_Click(start);
        QCOMPARE(start.Text1, Declaration("bild", std::vector<std::string>(9, "00")));
    }

    void gridBoxReachesHiddenCells() {
        WindowState state;
        for (int i = 0; i < 7; ++i) {
            Command5_Click(state);
        }
        const WindowState before = state;
        state.Check2 = 1;
        Check2_Click(state);
        for (const Cell& cell : state.Picture1) {
            QCOMPARE(cell.border, BorderStyle::Single);
        }
        QCOMPARE(state.Text1, before.Text1);
        Command6_Click(state);
        QCOMPARE(state.Picture1[16].border, BorderStyle::Single);
        QVERIFY(state.Picture1[16].visible);

        state.Check2 = 0;
        Check2_Click(state);
        for (const Cell& cell : state.Picture1) {
            QCOMPARE(cell.border, BorderStyle::None);
        }
    }

    void quitAsksNothing() {
        WindowState state = Drawn();
        FakePlatform platform;
        Command4_Click(platform);
        QCOMPARE(platform.quitCount, 1);
        QVERIFY(platform.questions.empty());
    }

    void copyTakesTheBoxAsItStands() {
        WindowState state;
        FakePlatform platform;
        Command8_Click(state, platform);
        QCOMPARE(platform.clipboard, std::string(StartDeclaration));

        Picture1_MouseDown(state, 0);
        state.Text3 = "neu";
        state.Text1 += " // mein Kommentar";
        const WindowState before = state;
        Command8_Click(state, platform);
        Command8_Click(state, platform);
        QCOMPARE(platform.clipboard, before.Text1);
        QVERIFY(platform.clipboard.starts_with("static unsigned char bild[]"));
        QVERIFY(state == before);

        state.Text1.clear();
        Command8_Click(state, platform);
        QCOMPARE(platform.clipboard, "");
        QVERIFY(platform.errors.empty());
    }

    void failingClipboardIsReportedAndTheSpriteStays() {
        WindowState state = Drawn();
        const WindowState before = state;
        FakePlatform platform;
        platform.clipboardWorks = false;
        Command8_Click(state, platform);
        QCOMPARE(platform.errors,
                 std::vector<std::string>{"Die Zwischenablage konnte nicht beschrieben werden."});
        QCOMPARE(platform.quitCount, 0);
        QVERIFY(state == before);
    }
};

QTEST_GUILESS_MAIN(TestHandlers)
#include "test_handlers.moc"
