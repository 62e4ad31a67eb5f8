// The editor's rules without a display: the handlers on a window state, with
// a fake desktop. Sprites are written as their nine row bytes, "80 00 10 ...".
#include "test_support.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <random>

using namespace kobalin;

namespace {

// What a user expects from nine row bytes, a height and a name, for the
// seeded random sessions.
struct Expected {
    std::array<int, Rows> rows{};
    int height = Rows;
    std::string name = "bild";
    int nibbles = 0; // the byte whose two nibbles show
    std::string declaration = Declaration(name, std::vector<int>(Rows, 0)) + "\r\n";

    void rebuild(int shown) {
        nibbles = shown;
        declaration =
            Declaration(name.empty() ? "XXXXX" : name, {rows.begin(), rows.begin() + height});
    }
    void changeActiveRows(int mask, int bits) {
        std::for_each(rows.begin(), rows.begin() + height,
                      [&](int& row) { row = (row & mask) ^ bits; });
        rebuild(rows[Rows - 1]);
    }

    std::string shown() const {
        std::string text;
        for (const int row : rows) {
            text += Hex(row) + ' ';
        }
        const std::string bits = std::bitset<8>(unsigned(nibbles)).to_string();
        return text + bits.substr(0, 4) + ' ' + bits.substr(4) + ' ' + std::to_string(height) +
               '\n' + declaration;
    }

    void play(const std::string& action) {
        if (action == "-" || action == "+") {
            height = std::clamp(height + (action == "-" ? -1 : 1), 1, int(Rows));
            std::fill(rows.begin() + height, rows.end(), 0);
            changeActiveRows(0xFF, 0);
        } else if (action == "neu:yes" || action == "schwarz:yes" || action == "invertieren") {
            changeActiveRows(action == "invertieren" ? 0xFF : 0, action == "neu:yes" ? 0 : 0xFF);
        } else if (action == "aktualisieren") {
            changeActiveRows(0xFF, 0);
            nibbles = 0;
        } else if (action.starts_with("name=")) {
            name = action.substr(5);
        } else if (!action.ends_with(":no")) {
            const int cell = std::stoi(action);
            rows[std::size_t(cell / Columns)] ^= 0x80 >> cell % Columns;
            rebuild(rows[std::size_t(cell / Columns)]);
        }
    }
};

const QStringList Actions = QString("- + neu:yes neu:no schwarz:yes schwarz:no invertieren "
                                    "aktualisieren name= name=sprite name=Bär name=0123456789")
                                .split(' ');

// Every row caption, both nibbles, the height and the declaration.
std::string Shown(const WindowState& state) {
    std::string shown;
    for (const RowCaption& row : state.Label1) {
        shown += row.caption + ' ';
    }
    return shown + state.Label5 + ' ' + state.Label6 + ' ' + state.Text2 + '\n' + state.Text1;
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT

private slots:
    void actions_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("nibbles");
        const auto row = [](const char* name, const char* actions, QString rows,
                            const char* nibbles) {
            QTest::newRow(name) << QString(actions) << rows << QString(nibbles);
        };
        const QString drawn = "80 00 10 00 00 00 00 00 01";
        row("upper-case hex", "32 34 37 39", "00 00 00 00 A5 00 00 00 00", "1010 0101");
        row("only the pressed row encoded", "71 19", "00 00 10 00 00 00 00 00 01", "0001 0000");
        row("+ at 9 still refreshes", "0 19 71 +", drawn, "0000 0001");
        row("-+ clears row 8 for good", "schwarz:yes - +", "FF FF FF FF FF FF FF FF 00",
            "0000 0000");
        row("- at 1 stays", "0 - - - - - - - - -", "80|00 00 00 00 00 00 00 00", "0000 0000");
        row("neu, Yes", "0 19 71 neu:yes", "00 00 00 00 00 00 00 00 00", "0000 0000");
        row("neu, No", "0 19 71 neu:no", drawn, "0000 0001");
        row("neu (schwarz), Yes", "schwarz:yes", "FF FF FF FF FF FF FF FF FF", "1111 1111");
        row("neu (schwarz) at 5", "- - - - schwarz:yes", "FF FF FF FF FF|00 00 00 00", "0000 0000");
        row("neu (schwarz), No, at 5", "0 19 - - - - schwarz:no", "80 00 10 00 00|00 00 00 00",
            "0000 0000");
        row("invertieren", "0 19 71 invertieren", "7F FF EF FF FF FF FF FF FE", "1111 1110");
        row("invertieren at 1", "0 - - - - - - - - invertieren", "7F|00 00 00 00 00 00 00 00",
            "0000 0000");
        row("aktualisieren", "0 19 71 aktualisieren", drawn, "0000 0000");
        row("placeholder name", "0 name= aktualisieren", "80 00 00 00 00 00 00 00 00", "0000 0000");
        row("name as typed", "name=Bär_1 - - - - - - aktualisieren", "00 00 00|00 00 00 00 00 00",
            "0000 0000");
    }
    // The rows before the bar are the sprite, those after it are hidden.
    void actions() {
        QFETCH(QString, actions);
        QFETCH(QString, rows);
        QFETCH(QString, nibbles);
        FakePlatform platform;
        WindowState state;
        Play(state, platform, actions);
        const QStringList sprite = rows.section('|', 0, 0).split(' ');
        std::vector<int> bytes(std::size_t(sprite.size()));
        std::transform(sprite.begin(), sprite.end(), bytes.begin(),
                       [](const QString& byte) { return byte.toInt(nullptr, 16); });
        QCOMPARE(Shown(state), QString(rows).replace('|', ' ').toStdString() + ' ' +
                                   nibbles.toStdString() + ' ' + std::to_string(sprite.size()) +
                                   '\n' +
                                   Declaration(state.Text3.empty() ? "XXXXX" : state.Text3, bytes));
        QCOMPARE(platform.questions, actions.count("neu:") + actions.count("schwarz:"));
    }

    void copyGridAndEnd() {
        FakePlatform platform;
        WindowState state;
        Play(state, platform, "name=sprite copy"); // typing the name rebuilds nothing
        QCOMPARE(platform.clipboard, Declaration("bild", std::vector<int>(Rows, 0)) + "\r\n");

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
        QCOMPARE(platform.clipboard, Declaration("bild", std::vector<int>(Rows, 0)) + "\r\n");
        QVERIFY(state == before);
        Command4_Click(platform);
        QCOMPARE(platform.quits + platform.questions, 1);
    }

    void sessionsShowWhatTheUserExpects() {
        for (unsigned seed = 1; seed <= 400; ++seed) {
            std::mt19937 random(seed);
            WindowState state;
            FakePlatform platform;
            Expected expected;
            for (int step = 1; step <= 100; ++step) {
                // Half of all actions press a cell of the sprite.
                const std::string action =
                    random() % 2 == 0
                        ? std::to_string(random() % unsigned(expected.height * Columns))
                        : Actions[random() % unsigned(Actions.size())].toStdString();
                Play(state, platform, QString::fromStdString(action));
                expected.play(action);
                const std::string where = "seed " + std::to_string(seed) + ", step " +
                                          std::to_string(step) + " (" + action + ")\n";
                QCOMPARE(where + Shown(state), where + expected.shown());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
