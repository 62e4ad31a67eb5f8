// A press on a cell through the real widgets, until the window is repainted:
// Kobalin's editor window against the floor window doing the same widget
// updates (the cell's colour, its row caption, the position and nibble
// captions, the declaration box), on the offscreen platform.
//
// Usage:
//   bench_press [--quick]               times presses on both windows, checks
//                                       what one press repaints, prints tables
//   bench_press --count WINDOW N        N presses on WINDOW (kobalin or floor)
//                                       in MeasuredPress, for callgrind's
//                                       --toggle-collect=*MeasuredPress*

#include "editor_window.h"
#include "floor_window.h"
#include "handlers.h"
#include "qt_platform.h"
#include "stats.h"

#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QStyleHints>
#include <QTest>

#include <array>
#include <cstdio>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using kobalin::bench::Summarize;
using kobalin::bench::Summary;
using kobalin::bench::TimeBatches;
using kobalin::bench::Verdict;

// Two cells in different rows, columns and nibbles, each pressed on and then
// off again: every press changes the cell, its row caption, the position
// captions, at least one nibble caption and the declaration, and after the
// cycle the sprite is clear again.
constexpr std::array<std::int16_t, 4> PressedCells{19, 44, 19, 44};

// What Kobalin's controls show after one press of the cycle.
struct Shown {
    std::int16_t cell = 0;
    QRgb fill = 0;
    int row = 0;
    QString rowCaption;
    std::array<QString, 4> captions; // Label3, Label4, Label5, Label6
    QString declaration;
};

const std::array<const char*, 4> CaptionNames{"Label3", "Label4", "Label5", "Label6"};

// The core works out what each press shows, from a sprite whose first cycle
// is done, so that the floor shows exactly what Kobalin shows.
std::vector<Shown> PressCycle() {
    kobalin::WindowState state;
    std::vector<Shown> cycle;
    for (int round = 0; round < 2; ++round) {
        cycle.clear();
        for (const std::int16_t cell : PressedCells) {
            kobalin::Picture1_MouseDown(state, cell);
            const int row = cell / kobalin::Columns;
            cycle.push_back(
                {cell,
                 state.Picture1[static_cast<std::size_t>(cell)].fillColour,
                 row,
                 QString::fromStdString(state.Label1[static_cast<std::size_t>(row)].caption),
                 {QString::fromStdString(state.Label3), QString::fromStdString(state.Label4),
                  QString::fromStdString(state.Label5), QString::fromStdString(state.Label6)},
                 QString::fromStdString(state.Text1)});
        }
    }
    return cycle;
}

// One of the two windows, with the controls a press reaches, found by name.
struct Subject {
    std::string name;
    QWidget* window = nullptr;
    std::array<QWidget*, kobalin::CellCount> cells{};
    std::array<QLabel*, kobalin::Rows> rowCaptions{};
    std::array<QLabel*, 4> captions{};
    QPlainTextEdit* declaration = nullptr;
    std::size_t step = 0; // the next press of the cycle

    Subject(std::string subjectName, QWidget* subjectWindow)
        : name(std::move(subjectName)), window(subjectWindow) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            cells[i] = find<QWidget>(QStringLiteral("Picture1_%1").arg(i));
        }
        for (std::size_t row = 0; row < rowCaptions.size(); ++row) {
            rowCaptions[row] = find<QLabel>(QStringLiteral("Label1_%1").arg(row));
        }
        for (std::size_t i = 0; i < captions.size(); ++i) {
            captions[i] = find<QLabel>(QLatin1String(CaptionNames[i]));
        }
        declaration = find<QPlainTextEdit>(QStringLiteral("Text1"));
    }

    template <typename Widget> Widget* find(const QString& objectName) const {
        auto* widget = window->findChild<Widget*>(objectName);
        if (widget == nullptr) {
            throw std::runtime_error(name + " has no " + objectName.toStdString());
        }
        return widget;
    }
};

// The floor's answer to a press: no logic, only the widget updates that
// Kobalin's press makes, with the texts the core worked out beforehand.
void ShowOnFloor(const Shown& shown, Subject& floor) {
    static_cast<kobalin::bench::FloorCell*>(floor.cells[static_cast<std::size_t>(shown.cell)])
        ->setFill(shown.fill);
    floor.rowCaptions[static_cast<std::size_t>(shown.row)]->setText(shown.rowCaption);
    for (std::size_t i = 0; i < shown.captions.size(); ++i) {
        floor.captions[i]->setText(shown.captions[i]);
    }
    floor.declaration->setPlainText(shown.declaration);
}

// The press: button down and up on the cell's centre, then the event loop
// until the repaint is done (painting is a posted event).
[[gnu::always_inline]] inline void PressAndRepaint(QWidget* cell) {
    QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
    QCoreApplication::processEvents();
}

// A function of its own, so that callgrind counts only the measured presses.
[[gnu::noipa]] void MeasuredPress(QWidget* cell) {
    PressAndRepaint(cell);
}

QWidget* NextCell(Subject& subject) {
    const std::int16_t cell = PressedCells[subject.step % PressedCells.size()];
    ++subject.step;
    return subject.cells[static_cast<std::size_t>(cell)];
}

// Only the active window shows the text cursor: make the pressed one active
// before its presses, and let the switch's repaints settle.
void Activate(const Subject& subject) {
    subject.window->activateWindow();
    if (!QTest::qWaitForWindowActive(subject.window)) {
        throw std::runtime_error(subject.name + " did not become active");
    }
    QCoreApplication::processEvents();
}

void WarmUp(Subject& subject, int cycles) {
    Activate(subject);
    for (int press = 0; press < cycles * int(PressedCells.size()); ++press) {
        PressAndRepaint(NextCell(subject));
    }
}

// Records every paint event, with the painted region in window coordinates.
class PaintRecorder : public QObject {
public:
    struct Paint {
        QString widget;
        QRegion region;
    };
    std::vector<Paint> paints;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(object);
            const QPoint offset = widget->mapTo(widget->window(), QPoint(0, 0));
            paints.push_back({widget->objectName().isEmpty()
                                  ? QString::fromLatin1(widget->metaObject()->className())
                                  : widget->objectName(),
                              static_cast<QPaintEvent*>(event)->region().translated(offset)});
        }
        return false;
    }
};

qint64 Area(const QRegion& region) {
    qint64 area = 0;
    for (const QRect& rect : region) {
        area += qint64(rect.width()) * rect.height();
    }
    return area;
}

QRegion InWindow(const QWidget* widget) {
    return QRegion(QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()));
}

// What a press must repaint: the controls whose look it changes.
QRegion Changed(const Subject& subject, const Shown& shown, const Shown& before) {
    QRegion changed = InWindow(subject.cells[static_cast<std::size_t>(shown.cell)]);
    changed += InWindow(subject.rowCaptions[static_cast<std::size_t>(shown.row)]);
    for (std::size_t i = 0; i < shown.captions.size(); ++i) {
        if (shown.captions[i] != before.captions[i]) {
            changed += InWindow(subject.captions[i]);
        }
    }
    return changed + InWindow(subject.declaration);
}

struct RepaintCheck {
    double paintsPerPress = 0;
    double paintedPixelsPerPress = 0;
    qint64 pixelsOutside = 0;
    std::set<QString> widgets;
    bool settled = true; // nothing more is painted after the press returns

    bool onlyChanged() const { return settled && pixelsOutside == 0 && paintedPixelsPerPress > 0; }
};

RepaintCheck CheckRepaints(Subject& subject, const std::vector<Shown>& cycle) {
    WarmUp(subject, 1);
    PaintRecorder recorder;
    qApp->installEventFilter(&recorder);
    RepaintCheck check;
    qint64 painted = 0;
    for (std::size_t press = 0; press < cycle.size(); ++press) {
        const std::size_t step = subject.step % cycle.size();
        const Shown& before = cycle[(step + cycle.size() - 1) % cycle.size()];
        recorder.paints.clear();
        PressAndRepaint(NextCell(subject));
        // Timing presses that do not arrive would measure nothing.
        if (subject.declaration->toPlainText() != cycle[step].declaration) {
            throw std::runtime_error("a press on " + subject.name + " did not show its result");
        }
        const std::size_t paintsOfPress = recorder.paints.size();
        QRegion region;
        for (const PaintRecorder::Paint& paint : recorder.paints) {
            region += paint.region;
            check.widgets.insert(paint.widget);
        }
        QCoreApplication::processEvents();
        check.settled = check.settled && recorder.paints.size() == paintsOfPress;
        check.paintsPerPress += double(paintsOfPress) / double(cycle.size());
        painted += Area(region);
        check.pixelsOutside += Area(region - Changed(subject, cycle[step], before));
    }
    qApp->removeEventFilter(&recorder);
    check.paintedPixelsPerPress = double(painted) / double(cycle.size());
    return check;
}

std::vector<double> TimePresses(Subject& subject, int presses) {
    Activate(subject);
    return TimeBatches([&subject] { MeasuredPress(NextCell(subject)); }, 1, presses);
}

struct Windows {
    kobalin::QtPlatform platform;
    std::unique_ptr<kobalin::EditorWindow> editor;
    std::unique_ptr<kobalin::bench::FloorWindow> floor;
    std::vector<Subject> subjects;
    std::vector<Shown> cycle = PressCycle();

    // Opens the named windows ("kobalin", "floor"), shown and exposed.
    explicit Windows(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            QWidget* window = nullptr;
            if (name == "kobalin") {
                editor = std::make_unique<kobalin::EditorWindow>(platform);
                window = editor.get();
            } else if (name == "floor") {
                floor = std::make_unique<kobalin::bench::FloorWindow>();
                floor->onCellPressed([this](int) { showOnFloor(); });
                window = floor.get();
            } else {
                throw std::invalid_argument("no window called " + name);
            }
            window->show();
            if (!QTest::qWaitForWindowExposed(window)) {
                throw std::runtime_error(name + " was not shown");
            }
            subjects.emplace_back(name, window);
        }
    }

    void showOnFloor() {
        for (Subject& subject : subjects) {
            if (subject.window == floor.get()) {
                // The press being handled is the one before subject.step.
                ShowOnFloor(cycle[(subject.step + cycle.size() - 1) % cycle.size()], subject);
            }
        }
    }
};

std::string Range(const Summary& summary) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f (%.1f–%.1f)", summary.median / 1000, summary.min / 1000,
                  summary.max / 1000);
    return text;
}

std::string Names(const std::set<QString>& widgets) {
    QStringList names(widgets.begin(), widgets.end());
    return names.join(QStringLiteral(", ")).toStdString();
}

void Compare(bool quick) {
    Windows windows({"kobalin", "floor"});
    const int blocks = quick ? 2 : 250;
    const int pressesPerBlock = 2 * int(PressedCells.size());
    std::vector<std::vector<double>> samples(windows.subjects.size());
    for (Subject& subject : windows.subjects) {
        WarmUp(subject, quick ? 1 : 25);
    }
    // Blocks in turns, so that both windows meet the same noise.
    for (int block = 0; block < blocks; ++block) {
        for (std::size_t i = 0; i < windows.subjects.size(); ++i) {
            const std::vector<double> times = TimePresses(windows.subjects[i], pressesPerBlock);
            samples[i].insert(samples[i].end(), times.begin(), times.end());
        }
    }
    std::vector<RepaintCheck> checks;
    for (Subject& subject : windows.subjects) {
        checks.push_back(CheckRepaints(subject, windows.cycle));
    }

    std::printf("| Press through the widgets, %zu presses each | median µs (min–max) | paint "
                "events | painted px | px outside the changed controls | only changed "
                "controls repainted |\n|---|---|---|---|---|---|\n",
                samples.front().size());
    std::vector<Summary> times;
    for (std::size_t i = 0; i < windows.subjects.size(); ++i) {
        times.push_back(Summarize(samples[i]));
        const RepaintCheck& check = checks[i];
        std::printf("| %s | %s | %.1f | %.0f | %lld | %s |\n", windows.subjects[i].name.c_str(),
                    Range(times.back()).c_str(), check.paintsPerPress, check.paintedPixelsPerPress,
                    static_cast<long long>(check.pixelsOutside),
                    check.onlyChanged() ? "yes" : "**no**");
    }
    std::printf("| kobalin / floor | %.2f | | | | |\n", times[0].median / times[1].median);
    std::printf("\nWidgets painted by a press (window area %d px):\n",
                windows.subjects.front().window->width() *
                    windows.subjects.front().window->height());
    for (std::size_t i = 0; i < windows.subjects.size(); ++i) {
        std::printf("- %s: %s\n", windows.subjects[i].name.c_str(),
                    Names(checks[i].widgets).c_str());
    }
    std::printf("\n| Target | result |\n|---|---|\n| a press repaints only what changed | "
                "%s |\n",
                Verdict(checks.front().onlyChanged()));
}

// N presses in MeasuredPress, after a warm-up outside it.
void Count(const std::string& window, int presses) {
    Windows windows({window});
    Subject& subject = windows.subjects.front();
    WarmUp(subject, 2);
    for (int press = 0; press < presses; ++press) {
        MeasuredPress(NextCell(subject));
    }
    std::printf("%s: %d presses\n", window.c_str(), presses);
}

} // namespace

int main(int argc, char* argv[]) {
    // Painting to memory: no display, and the same pixels on every machine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // A blinking text cursor would repaint the declaration box on its own.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    try {
        const QStringList arguments = QCoreApplication::arguments();
        if (arguments.size() == 4 && arguments[1] == QStringLiteral("--count")) {
            Count(arguments[2].toStdString(), arguments[3].toInt());
        } else if (arguments.size() <= 2) {
            Compare(arguments.size() == 2 && arguments[1] == QStringLiteral("--quick"));
        } else {
            throw std::invalid_argument("usage: bench_press [--quick] | --count WINDOW N");
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_press: %s\n", error.what());
        return 1;
    }
    return 0;
}
