// A press on a cell through the real widgets until the window is repainted,
// offscreen: Kobalin's window against the floor making the same visible update
// (the cell's colour, its row caption, the position and nibble captions, the
// declaration). An iteration is one press; -callgrind counts instructions.

#include "editor_window.h"
#include "floor_window.h"
#include "handlers.h"
#include "layout_table.h"
#include "qt_platform.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStyleHints>
#include <QTest>

#include <array>

namespace {

// Two cells in different rows, columns and nibbles, each pressed on and off
// again: every press changes all of the update above; then the sprite is clear.
constexpr std::array<std::int16_t, 4> PressedCells{19, 44, 19, 44};
using Cycle = std::array<kobalin::WindowState, PressedCells.size()>;

// The window state after each press of the cycle, as the core works it out.
Cycle StatesAfterEachPress() {
    kobalin::WindowState state;
    Cycle states;
    for (std::size_t press = 0; press < states.size(); ++press) {
        kobalin::Picture1_MouseDown(state, PressedCells[press]);
        states[press] = state;
    }
    return states;
}

QWidget* At(const QWidget& window, const QRect& rect) {
    return window.childAt(rect.center());
}

// The floor's answer to a press on a cell: no program, only the widget
// updates of Kobalin's press, with the texts the core worked out beforehand.
class FloorPresses : public QObject {
public:
    explicit FloorPresses(const QWidget& floor) {
        for (std::int16_t cell = 0; cell < kobalin::CellCount; ++cell) {
            At(floor, kobalin::layout::CellRect(cell))->installEventFilter(this);
        }
        for (std::int16_t row = 0; row < kobalin::Rows; ++row) {
            rowCaptions_[std::size_t(row)] =
                static_cast<QLabel*>(At(floor, kobalin::layout::RowCaptionRect(row)));
        }
        for (std::size_t i = 0; i < captions_.size(); ++i) {
            captions_[i] = floor.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 3));
        }
        declaration_ = floor.findChild<QPlainTextEdit*>();
    }

protected:
    bool eventFilter(QObject* cell, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress) {
            return false;
        }
        const std::size_t press = step_++ % states_.size();
        const kobalin::WindowState& state = states_[press];
        const auto index = std::size_t(PressedCells[press]);
        const bool black = state.Picture1[index].fillColour == kobalin::Black;
        static_cast<QWidget*>(cell)->setBackgroundRole(black ? QPalette::Text : QPalette::Base);
        const auto row = std::size_t(kobalin::RowOf(PressedCells[press]));
        rowCaptions_[row]->setText(QString::fromStdString(state.Label1[row].caption));
        const std::array captions{&state.Label3, &state.Label4, &state.Label5, &state.Label6};
        for (std::size_t i = 0; i < captions_.size(); ++i) {
            captions_[i]->setText(QString::fromStdString(*captions[i]));
        }
        declaration_->setPlainText(QString::fromStdString(state.Text1));
        return true;
    }

private:
    const Cycle states_ = StatesAfterEachPress();
    std::size_t step_ = 0;
    std::array<QLabel*, kobalin::Rows> rowCaptions_{};
    std::array<QLabel*, 4> captions_{}; // Label3 to Label6
    QPlainTextEdit* declaration_ = nullptr;
};

} // namespace

class BenchPress : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A blinking text cursor would repaint the declaration box on its own.
        QGuiApplication::styleHints()->setCursorFlashTime(0);
    }

    void kobalin() {
        kobalin::QtPlatform platform;
        kobalin::EditorWindow window(platform);
        measurePresses(window);
    }

    void floor() {
        QWidget window;
        kobalin::bench::BuildFloor(window);
        const FloorPresses presses(window);
        measurePresses(window);
    }

private:
    static void measurePresses(QWidget& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        std::size_t step = 0;
        // Qt finds the widget under the pointer, then the press goes to it.
        const auto press = [&window, &step] {
            const std::int16_t index = PressedCells[step++ % PressedCells.size()];
            QWidget* cell = At(window, kobalin::layout::CellRect(index));
            QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
            QCoreApplication::processEvents(); // the repaint is a posted event
        };
        for (std::size_t warmUp = 0; warmUp < PressedCells.size(); ++warmUp) {
            press();
        }
        QBENCHMARK {
            press();
        }
        // Presses that did not arrive would measure nothing.
        QCOMPARE(
            window.findChild<QPlainTextEdit*>()->toPlainText(),
            QString::fromStdString(StatesAfterEachPress()[(step - 1) % PressedCells.size()].Text1));
    }
};

QTEST_MAIN(BenchPress)
#include "bench_press.moc"
