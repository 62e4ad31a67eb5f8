// The editor's rules without a display: the handlers on a window state, with
// a fake desktop. Sprites are written as their nine row bytes, "80 00 10 ...".
#include "test_support.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <bitset>
#include <random>

using namespace kobalin;

namespace {

// One user action per word: a number presses that cell; "-", "+", "invertieren" and
// "aktualisieren" click; "neu:yes", "schwarz:no" click and answer; "name=x" types a name.
void Play(WindowState& state, FakePlatform& platform, const std::string& action) {
    bool isCell = false;
    const std::int16_t cell = QString::fromStdString(action).toShort(&isCell);
    platform.answer = action.ends_with(":no") ? Answer::No : Answer::Yes;
    if (action == "-") {
        Command5_Click(state);
    } else if (action == "+") {
        Command6_Click(state);
    } else if (action == "neu:yes" || action == "neu:no") {
        Command1_Click(state, platform);
    } else if (action == "schwarz:yes" || action == "schwarz:no") {
        Command3_Click(state, platform);
    } else if (action == "invertieren") {
        Command2_Click(state);
    } else if (action == "aktualisieren") {
        Command7_Click(state);
    } else if (action.starts_with("name=")) {
        state.Text3 = action.substr(5);
    } else if (isCell) {
        Picture1_MouseDown(state, cell);
    } else {
        throw std::invalid_argument("Play does not know \"" + action + '"');
    }
}

// What a user expects to see, from nine row bytes, a height and a name.
struct Expected {
    std::array<int, Rows> rows{};
    int height = Rows;
    std::string name = "bild";
    int nibbles = 0;          // the byte whose two nibbles show
    std::string declaration = // the start text, until the first rebuild
        "static unsigned char bild[] = {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n";

    // Shows the nibbles of shown and the declaration a C programmer expects.
    void rebuild(int shown) {
        nibbles = shown;
        std::string text = "static unsigned char " + (name.empty() ? "XXXXX" : name) + "[] = {";
        for (int row = 0; row < height; ++row) {
            text += QString::asprintf("0x%02X,", rows[std::size_t(row)]).toStdString();
        }
        declaration = text.substr(0, text.size() - 1) + "};";
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
            text += QString::asprintf("%02X ", row).toStdString();
        }
        std::string bits = std::bitset<8>(unsigned(nibbles)).to_string();
        return text + bits.insert(4, " ") + ' ' + std::to_string(height) + '\n' + declaration;
    }

    void play(const std::string& action) {
        if (action == "-" || action == "+") {
            const int step = action == "-" ? -1 : 1;
            height = std::clamp(height + step, 1, int(Rows));
            std::fill(rows.begin() + height, rows.end(), 0);
            changeActiveRows(0xFF, 0);
        } else if (action == "neu:yes") {
            changeActiveRows(0, 0);
        } else if (action == "schwarz:yes") {
            changeActiveRows(0, 0xFF);
        } else if (action == "invertieren") {
            changeActiveRows(0xFF, 0xFF);
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
                Play(state, platform, action);
                expected.play(action);
                const std::string where = "seed " + std::to_string(seed) + ", step " +
                                          std::to_string(step) + " (" + action + ")\n";
                QCOMPARE(QString::fromStdString(where + Shown(state)),
                         QString::fromStdString(where + expected.shown()));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
