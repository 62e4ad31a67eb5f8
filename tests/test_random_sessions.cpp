// Seeded random sessions through the handlers. After every action the window
// must show what a user expects from nine row bytes, a height and a name.
#include "test_support.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <random>

using namespace kobalin;

namespace {

struct Expected {
    std::array<int, Rows> rows{};
    int height = Rows;
    std::string name = "bild";
    int nibbles = 0; // the byte whose two nibbles show
    std::string declaration = Declaration(name, std::vector<int>(Rows, 0)) + "\r\n";
    std::string clipboard;

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
        } else if (action == "copy") {
            clipboard = declaration;
        } else if (action.starts_with("name=")) {
            name = action.substr(5);
        } else if (!action.ends_with(":no")) {
            const int cell = std::stoi(action);
            rows[std::size_t(cell / Columns)] ^= 0x80 >> cell % Columns;
            rebuild(rows[std::size_t(cell / Columns)]);
        }
    }
};

const std::vector<std::string> Actions{
    "-",           "+",        "neu:yes",        "neu:no",        "schwarz:yes",
    "schwarz:no",  "copy",     "invertieren",    "aktualisieren", "name=",
    "name=sprite", "name=Bär", "name=0123456789"};

std::string Mismatch(const WindowState& state, const FakePlatform& platform,
                     const Expected& expected) {
    for (std::size_t row = 0; row < Rows; ++row) {
        if (state.Label1[row].caption != Hex(expected.rows[row])) {
            return "row " + std::to_string(row) + " shows " + state.Label1[row].caption;
        }
    }
    if (state.Label5 + state.Label6 != std::bitset<8>(unsigned(expected.nibbles)).to_string()) {
        return "nibbles " + state.Label5 + " " + state.Label6;
    }
    if (state.Text2 != std::to_string(expected.height) || state.Text1 != expected.declaration) {
        return "height " + state.Text2 + ", declaration " + state.Text1;
    }
    return platform.clipboard == expected.clipboard ? "" : "clipboard " + platform.clipboard;
}

} // namespace

class TestRandomSessions : public QObject {
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
                        : Actions[random() % Actions.size()];
                Play(state, platform, QString::fromStdString(action));
                expected.play(action);
                const std::string wrong = Mismatch(state, platform, expected);
                QVERIFY2(wrong.empty(), qPrintable(QString::fromStdString(
                                            "seed " + std::to_string(seed) + ", step " +
                                            std::to_string(step) + " (" + action + "): " + wrong)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRandomSessions)
#include "test_random_sessions.moc"
