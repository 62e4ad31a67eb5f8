// The editor's rules without a display: sessions of user actions on the
// handlers, and what the window shows after them.
#include "handlers.h"

#include <QTest>

using namespace kobalin;

namespace {

// A desktop that answers the question as told.
struct Answering : Platform {
    Answer answer = Answer::Yes;
    Answer ask(const std::string&) override { return answer; }
    bool putOnClipboard(const std::string&) override { return true; }
    void showError(const std::string&) override {}
    void quit() override {}
};

// One user action per word: a number presses that cell; "-", "+", "invertieren" and
// "aktualisieren" click; "neu:yes", "schwarz:no" click and answer; "name=x" types a name.
void Play(WindowState& state, Answering& platform, const QString& action) {
    platform.answer = action.endsWith(":no") ? Answer::No : Answer::Yes;
    if (action == "-") {
        Command5_Click(state);
    } else if (action == "+") {
        Command6_Click(state);
    } else if (action.startsWith("neu:")) {
        Command1_Click(state, platform);
    } else if (action.startsWith("schwarz:")) {
        Command3_Click(state, platform);
    } else if (action == "invertieren") {
        Command2_Click(state);
    } else if (action == "aktualisieren") {
        Command7_Click(state);
    } else if (action.startsWith("name=")) {
        state.Text3 = action.mid(5).toStdString();
    } else {
        Picture1_MouseDown(state, std::int16_t(std::stoi(action.toStdString())));
    }
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT

private slots:
    // The editor's rules, a few to a session: what the user does, then the
    // nibbles shown and the array that the declaration declares.
    void sessionsShowWhatTheRulesSay_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a press sets a cell, the next clears it; the nibbles of its row")
            << "19 0 0 71"
            << "0000 0001 bild[] = {0x00,0x00,0x10,0x00,0x00,0x00,0x00,0x00,0x01};";
        QTest::newRow("a row below the height is cleared for good; the height stops at 9")
            << "71 70 - + +"
            << "0000 0000 bild[] = {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};";
        QTest::newRow("the height stops at 1; an empty name is XXXXX")
            << "name= - - - - - - - - - 3"
            << "0001 0000 XXXXX[] = {0x10};";
        QTest::newRow("neu (schwarz) fills the rows within the height; the nibbles of row 9")
            << "- - schwarz:yes"
            << "0000 0000 bild[] = {0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF};";
        QTest::newRow("neu clears; No leaves all as it was")
            << "schwarz:yes 0 neu:yes 9 schwarz:no neu:no"
            << "0100 0000 bild[] = {0x00,0x40,0x00,0x00,0x00,0x00,0x00,0x00,0x00};";
        QTest::newRow("invertieren flips the rows within the height")
            << "- 0 invertieren"
            << "0000 0000 bild[] = {0x7F,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF};";
        QTest::newRow("aktualisieren takes the name as typed and clears the nibbles")
            << "name=Bär 5 64 aktualisieren"
            << "0000 0000 Bär[] = {0x04,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x80};";
    }

    void sessionsShowWhatTheRulesSay() {
        QFETCH(QString, actions);
        QFETCH(QString, shown);
        WindowState state;
        Answering platform;
        for (const QString& action : actions.split(' ', Qt::SkipEmptyParts)) {
            Play(state, platform, action);
        }
        const QString start = "static unsigned char "; // of every declaration, left out above
        const QString declaration = QString::fromStdString(state.Text1);
        QVERIFY(declaration.startsWith(start));
        QCOMPARE(QString::fromStdString(state.Label5 + ' ' + state.Label6) + ' ' +
                     declaration.mid(start.size()),
                 shown);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
