#include "pixel_op.h"
#include "row_encoding.h"
#include "sprite_height.h"
#include "test_support.h"

#include <stdexcept>

using namespace kobalin;

namespace {

// Paints row from a pattern such as "10100000", leftmost column first.
void PaintRow(WindowState& state, std::int16_t row, const QString& pattern) {
    for (std::int16_t column = 0; column < Columns; ++column) {
        state.Picture1[static_cast<std::size_t>(row * 8 + column)].fillColour =
            pattern[column] == u'1' ? Black : White;
    }
}

} // namespace

class TestSpriteModel : public QObject {
    Q_OBJECT

private slots:
    void pixelOpSetsClearsAndQueries() {
        WindowState state;
        for (std::int16_t i = 0; i < CellCount; ++i) {
            QCOMPARE(PixelOp(state, i, PixelMode::Query), 0);
        }
        QCOMPARE(PixelOp(state, 19, PixelMode::Set), 1);
        QCOMPARE(state.Picture1[19].fillColour, Black);
        QCOMPARE(PixelOp(state, 19, PixelMode::Set), 1);
        QCOMPARE(PixelOp(state, 19, PixelMode::Query), 1);
        QCOMPARE(PixelOp(state, 19, PixelMode::Query), 1);
        QCOMPARE(PixelOp(state, 19, PixelMode::Clear), 0);
        QCOMPARE(state.Picture1[19].fillColour, White);
        QCOMPARE(PixelOp(state, 19, PixelMode::Clear), 0);

        // Modes other than 0 and 1 only look.
        PixelOp(state, 71, PixelMode::Set);
        QCOMPARE(PixelOp(state, 71, static_cast<PixelMode>(3)), 1);
        QCOMPARE(PixelOp(state, 71, static_cast<PixelMode>(-1)), 1);
        QCOMPARE(state.Picture1[71].fillColour, Black);
        QCOMPARE(PixelOp(state, 70, static_cast<PixelMode>(3)), 0);
        QCOMPARE(state.Picture1[70].fillColour, White);

        // No call touched another cell.
        const auto black = std::count_if(state.Picture1.begin(), state.Picture1.end(),
                                         [](const Cell& cell) { return cell.fillColour == Black; });
        QCOMPARE(black, 1);
    }

    void pixelOpReadsAnyOtherColourAsClear() {
        WindowState state;
        state.Picture1[5].fillColour = 0x000001;
        QCOMPARE(PixelOp(state, 5, PixelMode::Query), 0);
        QCOMPARE(state.Picture1[5].fillColour, Rgb{0x000001});
    }

    void pixelOpWorksOnHiddenDisabledCells() {
        WindowState state;
        Cell& cell = state.Picture1[64];
        cell.visible = false;
        cell.enabled = false;
        QCOMPARE(PixelOp(state, 64, PixelMode::Set), 1);
        QCOMPARE(PixelOp(state, 64, PixelMode::Query), 1);
        QCOMPARE(PixelOp(state, 64, PixelMode::Clear), 0);
        QVERIFY(!cell.visible && !cell.enabled);
    }

    void pixelOpRejectsIndicesOutsideTheGrid() {
        WindowState state;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, PixelOp(state, -1, PixelMode::Query));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, PixelOp(state, 72, PixelMode::Set));
        QCOMPARE(state, WindowState{});
    }

    void cellIndexCountsRowByRow() {
        QCOMPARE(CellIndex(0, 0), 0);
        QCOMPARE(CellIndex(0, 7), 7);
        QCOMPARE(CellIndex(1, 0), 8);
        QCOMPARE(CellIndex(2, 3), 19);
        QCOMPARE(CellIndex(7, 7), 63);
        QCOMPARE(CellIndex(8, 0), 64);
        QCOMPARE(CellIndex(8, 7), 71);
    }

    void encodeRow_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("high");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("hex");
        QTest::newRow("none") << "00000000"
                              << "0000"
                              << "0000"
                              << "00";
        QTest::newRow("columns 0 and 7") << "10000001"
                                         << "1000"
                                         << "0001"
                                         << "81";
        QTest::newRow("column 3") << "00010000"
                                  << "0001"
                                  << "0000"
                                  << "10";
        QTest::newRow("columns 0 to 3") << "11110000"
                                        << "1111"
                                        << "0000"
                                        << "F0";
        QTest::newRow("columns 4 to 6, high digit kept") << "00001110"
                                                         << "0000"
                                                         << "1110"
                                                         << "0E";
        QTest::newRow("upper-case letters") << "10101101"
                                            << "1010"
                                            << "1101"
                                            << "AD";
        QTest::newRow("all") << "11111111"
                             << "1111"
                             << "1111"
                             << "FF";
    }

    void encodeRow() {
        QFETCH(QString, pattern);
        QFETCH(QString, high);
        QFETCH(QString, low);
        QFETCH(QString, hex);
        for (const std::int16_t row : {0, 4, 8}) {
            WindowState state;
            PaintRow(state, row, pattern);
            const auto cellsBefore = state.Picture1;
            EncodeRow(state, row);
            QCOMPARE(QString::fromStdString(state.Label5), high);
            QCOMPARE(QString::fromStdString(state.Label6), low);
            QCOMPARE(QString::fromStdString(state.Label1[row].caption), hex);
            QVERIFY(state.Picture1 == cellsBefore);
            // Encoding again changes nothing.
            const WindowState once = state;
            EncodeRow(state, row);
            QVERIFY(state == once);
        }
    }

    void encodeRowTouchesOnlyItsOwnCaption() {
        WindowState state;
        PaintRow(state, 2, "00010000");
        PaintRow(state, 3, "11111111");
        EncodeRow(state, 2);
        QCOMPARE(state.Label1[2].caption, "10");
        QCOMPARE(state.Label1[3].caption, "00"); // stale until row 3 is encoded
        QCOMPARE(state.Label5, "0001");
        QCOMPARE(state.Label6, "0000");
    }

    void encodeRowOfAHiddenClearRow() {
        WindowState state;
        state.Text2 = "5";
        ApplyHeight(state);
        state.Label5 = "1111";
        EncodeRow(state, 8);
        QCOMPARE(state.Label1[8].caption, "00");
        QVERIFY(!state.Label1[8].visible);
        QCOMPARE(state.Label5, "0000");
        QCOMPARE(state.Label6, "0000");
    }

    void encodeRowRejectsRowsOutsideTheGrid() {
        WindowState state;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, EncodeRow(state, -1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, EncodeRow(state, 9));
    }

    void binaryToInteger() {
        QCOMPARE(BinaryToInteger("0000"), 0);
        QCOMPARE(BinaryToInteger("0001"), 1);
        QCOMPARE(BinaryToInteger("1000"), 8);
        QCOMPARE(BinaryToInteger("0110"), 6);
        QCOMPARE(BinaryToInteger("1111"), 15);
        QCOMPARE(BinaryToInteger(""), 0);
        // Any length reads as ordinary binary, rightmost digit weighing 1.
        QCOMPARE(BinaryToInteger("1"), 1);
        QCOMPARE(BinaryToInteger("10"), 2);
        QCOMPARE(BinaryToInteger("100000000"), 256);
        QCOMPARE(BinaryToInteger("111111111111111"), 32767);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, BinaryToInteger("1000000000000000"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, BinaryToInteger("0120"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, BinaryToInteger(" 101"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, BinaryToInteger("10a1"));
    }

    void applyHeightClearsAndHidesInactiveRowsForGood() {
        WindowState state;
        for (std::int16_t row = 0; row < Rows; ++row) {
            PaintRow(state, row, "11000011");
            EncodeRow(state, row);
        }
        state.Text2 = "3";
        ApplyHeight(state);
        for (std::int16_t i = 0; i < CellCount; ++i) {
            const Cell& cell = state.Picture1[i];
            const bool active = i < 24;
            QCOMPARE(cell.visible, active);
            QCOMPARE(cell.enabled, active);
            QCOMPARE(cell.fillColour, active && (i % 8 < 2 || i % 8 > 5) ? Black : White);
        }
        for (std::int16_t row = 0; row < Rows; ++row) {
            QCOMPARE(state.Label1[row].visible, row < 3);
            QCOMPARE(state.Label1[row].caption, row < 3 ? "C3" : "00");
        }

        // Raising the height shows the rows again, blank.
        state.Text2 = "9";
        ApplyHeight(state);
        for (std::int16_t i = 24; i < CellCount; ++i) {
            QVERIFY(state.Picture1[i].visible && state.Picture1[i].enabled);
            QCOMPARE(state.Picture1[i].fillColour, White);
        }
        QVERIFY(state.Label1[8].visible);
        QCOMPARE(state.Label1[8].caption, "00");
    }

    void applyHeightKeepsBordersAndLeavesOddColoursOfActiveRows() {
        WindowState state;
        state.Picture1[70].border = BorderStyle::Single;
        state.Text2 = "1";
        ApplyHeight(state);
        QCOMPARE(state.Picture1[70].border, BorderStyle::Single);
        QVERIFY(!state.Picture1[70].visible);
        // Only set cells are written: a colour that is not black is left.
        WindowState odd;
        odd.Picture1[70].fillColour = 0x123456;
        odd.Text2 = "8";
        ApplyHeight(odd);
        QCOMPARE(odd.Picture1[70].fillColour, Rgb{0x123456});
    }
};

QTEST_GUILESS_MAIN(TestSpriteModel)
#include "test_sprite_model.moc"
