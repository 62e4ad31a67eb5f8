// The editor's rules without a display: the handlers on a window state, with
// a fake desktop. Sprites are written as their nine row bytes, "80 00 10 ...".
#include "test_support.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <random>

using namespace kobalin;

namespace {

// What a user expects to see, from nine row bytes, a height and a name.
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
    // Keeps the bits of mask in every active row and flips those of bits, then refreshes.
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
    // What the window shows afterwards: the nine row captions, the two nibble
    // captions and the height; the declaration follows the independent model.
    void actions_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* actions, const char* shown) {
            QTest::newRow(name) << QString(actions) << QString(shown);
        };
        row("only the pressed row encoded", "71 19", "00 00 10 00 00 00 00 00 01 0001 0000 9");
        row("+ at 9 still refreshes", "0 19 71 +", "80 00 10 00 00 00 00 00 01 0000 0001 9");
        row("-+ clears row 8", "schwarz:yes - +", "FF FF FF FF FF FF FF FF 00 0000 0000 9");
        row("neu, Yes", "0 19 71 neu:yes", "00 00 00 00 00 00 00 00 00 0000 0000 9");
        row("neu, No", "0 19 71 neu:no", "80 00 10 00 00 00 00 00 01 0000 0001 9");
        row("neu (schwarz) at 5", "- - - - schwarz:yes", "FF FF FF FF FF 00 00 00 00 0000 0000 5");
        row("invertieren", "0 19 71 invertieren", "7F FF EF FF FF FF FF FF FE 1111 1110 9");
        row("- stops at 1", "0 - - - - - - - - - invertieren",
            "7F 00 00 00 00 00 00 00 00 0000 0000 1");
        row("aktualisieren", "0 19 71 aktualisieren", "80 00 10 00 00 00 00 00 01 0000 0000 9");
        row("placeholder name", "0 name= aktualisieren", "80 00 00 00 00 00 00 00 00 0000 0000 9");
        row("typed name", "name=Bär_1 - aktualisieren", "00 00 00 00 00 00 00 00 00 0000 0000 8");
    }
    void actions() {
        QFETCH(QString, actions);
        QFETCH(QString, shown);
        FakePlatform platform;
        WindowState state;
        Expected expected;
        Play(state, platform, actions);
        for (const QString& action : actions.split(' ')) {
            expected.play(action.toStdString());
        }
        QCOMPARE(Shown(state), expected.shown());
        QCOMPARE(QString::fromStdString(Shown(state)).section('\n', 0, 0), shown);
        QCOMPARE(platform.questions, actions.count("neu:") + actions.count("schwarz:"));
    }

    void gridAndRefusedClipboard() {
        FakePlatform platform;
        WindowState state;
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
        QVERIFY(state == before);
    }

    void sessionsShowWhatTheUserExpects() {
        QCOMPARE(
            Expected().declaration, // the model's start, written out once
            "static unsigned char bild[] = {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n");
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
