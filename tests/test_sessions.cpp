// Random sessions on the real window: seeded user actions of every kind, in any
// order, each followed by a look at the screen, the focus and what assistive
// technology is told, against a small model of what the user should see.
// KOBALIN_SEEDS ("1 2 3") and KOBALIN_ACTIONS (per seed) run more.
#include "editor_window.h"
#include "qt_platform.h"

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include <random>

using namespace kobalin;

namespace {

// What the user should see, from the editor's rules alone.
struct Model {
    std::array<int, 9> rows{}; // each row's byte, the leftmost column its high bit
    int height = 9;
    QString name = "bild";
    QString declaration = "static unsigned char bild[] = "
                          "{0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n";
    QString nibbles = "0000 0000";
    QString position = "0 0";
    bool grid = false;
    QString focus = "Text1";
    int quits = 0;
    std::optional<QString> copied; // what the clipboard holds after a copy

    static QString cell(int index) { return "Picture1_" + QString::number(index); }
    bool shown(int index) const { return index / 8 < height; }
    bool black(int index) const { return (rows[index / 8] & (0x80 >> (index % 8))) != 0; }
    int focusedCell() const { return focus.startsWith("Picture1_") ? focus.mid(9).toInt() : -1; }

    QStringList tabChain() const {
        QStringList chain{"Text1",    "Command1", "Command2", "Command3", "Command4",
                          "Command5", "Command6", "Text2",    "Command7"};
        for (int index = 0; index < height * 8; ++index) {
            chain << cell(index);
        }
        return chain << "Check2"
                     << "Command8"
                     << "Text3";
    }

    void tab(int by) {
        const QStringList chain = tabChain();
        focus = chain[(chain.indexOf(focus) + by + chain.size()) % chain.size()];
    }

    void showNibbles(int row) {
        const QString bits = QString::number(rows[row], 2).rightJustified(8, '0');
        nibbles = bits.left(4) + ' ' + bits.mid(4);
    }

    void rebuild() {
        QStringList bytes;
        for (int row = 0; row < height; ++row) {
            bytes << "0x" + QString::number(rows[row], 16).toUpper().rightJustified(2, '0');
        }
        declaration = "static unsigned char " + (name.isEmpty() ? "XXXXX" : name) + "[] = {" +
                      bytes.join(',') + "};";
    }

    void press(int index) {
        if (!shown(index)) {
            return;
        }
        point(index);
        rows[index / 8] ^= 0x80 >> (index % 8);
        showNibbles(index / 8);
        rebuild();
    }

    void point(int index) {
        if (shown(index)) {
            position = QString::number(index % 8 + 1) + ' ' + QString::number(index / 8 + 1);
        }
    }

    // Every cell of the rows within the height, then all rows encoded, row 9 last.
    void sweep(int keep, int flip) {
        for (int row = 0; row < height; ++row) {
            rows[row] = (rows[row] & keep) ^ flip;
        }
        showNibbles(8);
        rebuild();
    }

    void step(int by) {
        height = std::clamp(height + by, 1, 9);
        std::fill(rows.begin() + height, rows.end(), 0);
        const int focused = focusedCell();
        if (focused >= 0 && !shown(focused)) { // to the same column in the last row left
            focus = cell((height - 1) * 8 + focused % 8);
        }
        sweep(0xFF, 0);
    }

    void command(const QString& name, bool yes) {
        if (name == "Command1" && yes) {
            sweep(0, 0);
        } else if (name == "Command3" && yes) {
            sweep(0, 0xFF);
        } else if (name == "Command2") {
            sweep(0xFF, 0xFF);
        } else if (name == "Command4") {
            ++quits;
        } else if (name == "Command5" || name == "Command6") {
            step(name == "Command5" ? -1 : 1);
        } else if (name == "Command7") {
            rebuild();
            nibbles = "0000 0000";
        } else if (name == "Command8") {
            copied = declaration;
        } else if (name == "Check2") {
            grid = !grid;
        }
    }

    void arrow(Qt::Key key) {
        const int index = focusedCell();
        const int row = index / 8 + (key == Qt::Key_Down) - (key == Qt::Key_Up);
        const int column = index % 8 + (key == Qt::Key_Right) - (key == Qt::Key_Left);
        if (index >= 0 && row >= 0 && row < height && column >= 0 && column < 8) {
            focus = cell(row * 8 + column);
        }
    }
};

enum class Kind { Click, Move, Keys, HoldSpace, Type, Paste, Accessible, Palette };

// How a held key's repeats arrive: marked as repeats, or as X11 sends them, a release
// and a press at one time, which Qt marks only when both are queued in time.
enum class Repeats { Marked, UnmarkedPairs, MarkedPairs };

struct Action {
    Kind kind = Kind::Click;
    QPoint point;
    Qt::MouseButton button = Qt::LeftButton;
    Qt::Key key = Qt::Key_Tab;
    Qt::KeyboardModifiers modifiers;
    int count = 1;
    Repeats repeats = Repeats::Marked;
    QString target; // a box, or the control assistive technology presses
    QString text;
    Qt::Key answer = Qt::Key_Return; // to the question, should one come: Return is Yes

    QString said() const {
        const QString keyName = QKeySequence(int(modifiers) | key).toString();
        switch (kind) {
        case Kind::Click:
            return QString("click %1 button %2 answer %3")
                .arg(target.isEmpty() ? QString("%1,%2").arg(point.x()).arg(point.y()) : target)
                .arg(button)
                .arg(QKeySequence(answer).toString());
        case Kind::Move:
            return QString("move to %1,%2").arg(point.x()).arg(point.y());
        case Kind::Keys:
            return QString("%1 x%2 answer %3")
                .arg(keyName)
                .arg(count)
                .arg(QKeySequence(answer).toString());
        case Kind::HoldSpace:
            return QString("hold Space, %1 repeats of kind %2").arg(count).arg(int(repeats));
        case Kind::Type:
            return "type into " + target + ": " + text;
        case Kind::Paste:
            return "paste into " + target + ": " + text.toUtf8().toPercentEncoding(" ");
        case Kind::Accessible:
            return "assistive technology presses " + target;
        case Kind::Palette:
            return text + " palette";
        }
        return {};
    }
};

// The named control at a point of the window, if any.
QWidget* ControlAt(QWidget& window, QPoint point) {
    QWidget* widget = window.childAt(point);
    while (widget != nullptr &&
           (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_"))) {
        widget = widget->parentWidget();
    }
    return widget;
}

bool TakesFocusOnClick(const QString& name) {
    return name.startsWith("Command") || name.startsWith("Text") || name == "Check2";
}

// WCAG's relative luminance, and the contrast ratio: 1 for the same colour, 21 for black on white.
double Luminance(QRgb colour) {
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double Contrast(QRgb first, QRgb second) {
    const auto [darker, lighter] = std::minmax({Luminance(first), Luminance(second)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The strongest contrast in an area of the screen against its most common colour, the
// colour under the text: at least 4.5 where a text can be read.
double TextContrast(const QImage& screen, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[screen.pixel(x, y)];
        }
    }
    const QRgb under =
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    double strongest = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it) {
        strongest = std::max(strongest, Contrast(*it, under));
    }
    return strongest;
}

// The editor, driven by the actions and looked at after each.
class Session {
public:
    Session() : window(platform) {
        platform.setDialogParent(&window);
        answerer.setSingleShot(true);
        QObject::connect(&answerer, &QTimer::timeout, &window, [this] { answerQuestion(); });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseMove(window.windowHandle(), pointer); // off the window, wherever it was
    }

    void play(const Action& action);
    QString differences() const; // what the user sees that the model does not, if anything

private:
    struct Quitting : QtPlatform {
        int quits = 0;
        void quit() override { ++quits; }
    };

    template <typename Widget = QWidget> Widget* control(const QString& name) const {
        return window.findChild<Widget*>(name);
    }
    QPoint centre(const QString& name) const {
        return control(name)->mapTo(&window, control(name)->rect().center());
    }
    QString text(const QString& name) const { return control(name)->property("text").toString(); }
    void click(const Action& action);
    void key(const Action& action);
    void holdSpace(const Action& action);
    void answerQuestion();
    QRect textArea(const QString& name) const;
    bool selected(const QString& name) const {
        const auto* line = control<QLineEdit>(name);
        const auto* box = control<QPlainTextEdit>(name);
        return (line != nullptr && line->hasSelectedText()) ||
               (box != nullptr && box->textCursor().hasSelection());
    }
    QString differencesInCells(const QImage& screen) const;
    QString differencesInText(const QImage& screen) const;
    QString differencesInLines(const QImage& screen) const;
    QString boxText() const { // as typed: line breaks as LF, non-breaking spaces kept
        return control<QPlainTextEdit>("Text1")
            ->document()
            ->toRawText()
            .replace(QChar::ParagraphSeparator, '\n')
            .replace(QChar::LineSeparator, '\n');
    }

    Quitting platform;
    EditorWindow window;
    Model model;
    QTimer answerer;
    Qt::Key answer = Qt::Key_Return;
    QPoint pointer{-1, -1};
    quint64 time = 1; // of the key events sent with a time
};

void Session::answerQuestion() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
        return;
    }
    if (answer == Qt::Key_N) { // the No button, clicked
        box->button(QMessageBox::No)->click();
    } else {
        QTest::keyClick(box, answer);
    }
}

void Session::play(const Action& action) {
    model.copied.reset();
    answer = action.answer;
    answerer.start(0);
    switch (action.kind) {
    case Kind::Click:
        click(action);
        break;
    case Kind::Move:
        if (action.point == pointer) {
            break; // Qt reports no move that does not move
        }
        pointer = action.point;
        QTest::mouseMove(window.windowHandle(), action.point);
        if (QWidget* under = ControlAt(window, action.point);
            under != nullptr && under->objectName().startsWith("Picture1_")) {
            model.point(under->objectName().mid(9).toInt());
        }
        break;
    case Kind::Keys:
        key(action);
        break;
    case Kind::HoldSpace:
        holdSpace(action);
        break;
    case Kind::Type:
    case Kind::Paste: {
        QWidget* box = control(action.target);
        pointer = centre(action.target);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, pointer);
        model.focus = action.target;
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QString typed = action.text;
        if (action.kind == Kind::Paste) {
            QGuiApplication::clipboard()->setText(action.text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            for (const QChar typed : action.text) { // one key a character, whatever its key
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, typed, Qt::NoModifier);
            }
        }
        const bool pasteIntoName = action.kind == Kind::Paste && action.target == "Text3";
        if (action.text.isEmpty() && !pasteIntoName) {
            break; // the text stays selected; Qt's line edit alone pastes nothing over it
        }
        if (action.target == "Text3") {
            typed.remove('\n').remove('\t');
            model.name = typed.left(10);
        } else {
            model.declaration = typed.left(100).replace("\n", "\r\n");
        }
        break;
    }
    case Kind::Accessible: {
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(control(action.target))->actionInterface();
        if (auto* button = control<QPushButton>(action.target)) {
            QSignalSpy clicked(button, &QPushButton::clicked);
            actions->doAction(action.text);
            clicked.wait(2000); // Qt animates the press
            model.command(action.target, true);
        } else {
            actions->doAction(action.text);
            model.press(action.target.mid(9).toInt());
        }
        break;
    }
    case Kind::Palette:
        QApplication::setPalette(action.text == "dark" ? QPalette(QColor(0x2D, 0x2D, 0x2D))
                                                       : QPalette());
        break;
    }
    answerer.stop();
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close(); // a text box's context menu
    }
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() == nullptr) { // as a desktop does once a dialog has gone
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
}

void Session::click(const Action& action) {
    const QPoint point = action.target.isEmpty() ? action.point : centre(action.target);
    QWidget* under = ControlAt(window, point);
    pointer = point;
    QTest::mouseClick(window.windowHandle(), action.button, action.modifiers, point);
    if (under == nullptr) {
        return;
    }
    const QString name = under->objectName();
    if (TakesFocusOnClick(name)) {
        model.focus = name;
    }
    if (name.startsWith("Picture1_")) {
        model.press(name.mid(9).toInt());
    } else if (action.button == Qt::LeftButton) {
        model.command(name, action.answer == Qt::Key_Return);
    }
}

void Session::key(const Action& action) {
    for (int i = 0; i < action.count; ++i) {
        answerer.start(0);
        QTest::keyClick(QApplication::focusWidget(), action.key, action.modifiers);
        if (action.key == Qt::Key_Tab || action.key == Qt::Key_Backtab) {
            model.tab(action.key == Qt::Key_Tab ? 1 : -1);
        } else if (model.focus == "Text1") {
            model.declaration = boxText().replace("\n", "\r\n");
        } else if (model.focus == "Text3") {
            model.name = text("Text3");
        } else if (model.focusedCell() >= 0) {
            model.arrow(action.key);
            if (action.key == Qt::Key_Space) {
                model.press(model.focusedCell());
            }
        } else if (action.key == Qt::Key_Space) {
            model.command(model.focus, action.answer == Qt::Key_Return);
        } else if (model.focus != "Text2") { // Qt's buttons: an arrow moves as Tab does
            model.tab((action.key == Qt::Key_Right || action.key == Qt::Key_Down) -
                      (action.key == Qt::Key_Left || action.key == Qt::Key_Up));
        }
    }
}

// A held Space, on a cell only: one press however its repeats arrive.
void Session::holdSpace(const Action& action) {
    const int focused = model.focusedCell();
    if (focused < 0) {
        return;
    }
    QWidget* cell = QApplication::focusWidget();
    const auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, " ", repeat);
        event.setTimestamp(time);
        QApplication::sendEvent(cell, &event);
    };
    time += 100;
    send(QEvent::KeyPress, false);
    for (int repeat = 0; repeat < action.count; ++repeat) {
        time += 33;
        if (action.repeats == Repeats::Marked) {
            send(QEvent::KeyPress, true);
        } else {
            const bool marked = action.repeats == Repeats::MarkedPairs;
            send(QEvent::KeyRelease, marked);
            send(QEvent::KeyPress, marked);
        }
    }
    time += 33;
    send(QEvent::KeyRelease, false);
    model.press(focused);
}

QString Session::differences() const {
    const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
    QString found =
        differencesInCells(screen) + differencesInText(screen) + differencesInLines(screen);
    const QWidget* focused = QApplication::focusWidget();
    const QString focus = focused != nullptr ? focused->objectName() : "nothing";
    if (focus != model.focus) {
        found += "the focus on " + focus + ", not " + model.focus + "; ";
    }
    const QString clipboard = QGuiApplication::clipboard()->text();
    if (model.copied.has_value() && clipboard != *model.copied) {
        found += "the clipboard holds '" + clipboard + "', not '" + *model.copied + "'; ";
    }
    if (platform.quits != model.quits) {
        found += QString("ended %1 times, not %2; ").arg(platform.quits).arg(model.quits);
    }
    return found;
}

// Each cell as drawn (laid out in twips: 195 + 135 per column, 210 + 135 per row) and as told.
QString Session::differencesInCells(const QImage& screen) const {
    const QRgb background = screen.pixel(3, 3);
    QString found;
    for (int index = 0; index < 72; ++index) {
        const QString name = Model::cell(index);
        const QPoint corner(13 + 9 * (index % 8), 14 + 9 * (index / 8));
        const QRgb centre = screen.pixel(corner + QPoint(5, 5));
        if (!model.shown(index)) {
            if (centre != background) {
                found += name + " drawn in a hidden row; ";
            }
            continue;
        }
        const bool black = model.black(index);
        const QRgb fill = black ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        const QRgb frame = screen.pixel(corner);
        const QRgb mark = screen.pixel(corner + QPoint(1, 1));
        const bool focused = model.focus == name;
        const bool framed = frame != fill && Contrast(frame, fill) >= 3;
        const bool marked = Contrast(mark, fill) >= 3 && Contrast(mark, frame) >= 3;
        if (centre != fill) {
            found += name + (black ? " not black; " : " not white; ");
        }
        if (framed != (model.grid && !black)) {
            found += name + (framed ? " framed; " : " not framed; ");
        }
        if (marked != focused || (!focused && mark != fill)) {
            found += name + (focused ? " without the focus mark; " : " with a focus mark; ");
        }
        const QAccessible::State told =
            QAccessible::queryAccessibleInterface(control(name))->state();
        if (told.checked != black || told.focused != focused) {
            found += name + " told as checked " + QString::number(told.checked) + " focused " +
                     QString::number(told.focused) + "; ";
        }
    }
    return found;
}

// Where a control's text stands on the screen: inside a box's or a button's frame, beside
// the tick box, under a group box's caption.
QRect Session::textArea(const QString& name) const {
    const QWidget* widget = control(name);
    const QRect area(widget->mapTo(&window, QPoint()), widget->size());
    if (name.startsWith("Command") || name.startsWith("Text")) {
        return area.adjusted(3, 3, -3, -3);
    }
    if (name == "Check2") {
        return area.adjusted(16, 0, 0, 0);
    }
    if (name == "Frame1") {
        return QRect(area.topLeft() + QPoint(8, 0), QSize(24, 12));
    }
    return area;
}

QString Session::differencesInText(const QImage& screen) const {
    QStringList shown{text("Label3") + ' ' + text("Label4"), text("Label5") + ' ' + text("Label6"),
                      text("Text2"), text("Text3"), QString(boxText()).replace("\n", "\r\n")};
    QStringList expected{model.position, model.nibbles, QString::number(model.height), model.name,
                         model.declaration};
    QStringList readable{"Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
                         "Label8", "Label9", "Check2", "Text2",  "Frame1"};
    for (int command = 1; command <= 8; ++command) {
        readable << "Command" + QString::number(command);
    }
    QString found;
    for (int row = 0; row < 9; ++row) {
        const QString caption = "Label1_" + QString::number(row);
        if (row < model.height) {
            shown << text(caption);
            expected << QString::number(model.rows[row], 16).toUpper().rightJustified(2, '0');
            readable << caption;
        } else if (TextContrast(screen, textArea(caption)) > 1) {
            found += caption + " drawn in a hidden row; ";
        }
    }
    if (!model.name.trimmed().isEmpty()) {
        readable << "Text3";
    }
    if (!model.declaration.trimmed().isEmpty() && !model.declaration.trimmed().contains('\n')) {
        readable << "Text1"; // its one line of text is in view
    }
    if (shown != expected) {
        found += "shown " + shown.join(" | ") + ", not " + expected.join(" | ") + "; ";
    }
    for (const QString& name : readable) {
        if (selected(name)) {
            continue; // in the desktop's selection colours
        }
        if (TextContrast(screen, textArea(name)) < 4.5) {
            found += name + " cannot be read; ";
        }
    }
    return found;
}

// The frame around the grid and the tick between the nibbles, in the window's text colour.
QString Session::differencesInLines(const QImage& screen) const {
    const QRgb background = screen.pixel(3, 3);
    const std::array lines{QRect(49, 10, 1, 4), QRect(12, 13, 1, 85), QRect(12, 13, 76, 1),
                           QRect(86, 13, 1, 84), QRect(12, 96, 75, 1)};
    for (const QRect& line : lines) {
        for (int y = line.top(); y <= line.bottom(); ++y) {
            for (int x = line.left(); x <= line.right(); ++x) {
                if (Contrast(screen.pixel(x, y), background) < 3) {
                    return QString("no line at %1,%2; ").arg(x).arg(y);
                }
            }
        }
    }
    return {};
}

// A random action of any kind a user takes, from the seeded generator.
Action RandomAction(std::mt19937& random) {
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    const auto any = [&pick](const auto& choices) { return choices[pick(int(choices.size()))]; };
    const QPoint cell(13 + 9 * pick(8) + 5, 14 + 9 * pick(9) + 5);
    const QPoint anywhere(pick(381), pick(140));
    const QString letters = QStringLiteral("abcxyzAB09 _\u00e4\u00df\u20ac\u00a0-");
    const auto someText = [&](int most, const QString& more) {
        QString text;
        for (int length = pick(most + 1); length > 0; --length) {
            text += any(letters + more);
        }
        return text;
    };
    Action action;
    action.answer = any(std::array{Qt::Key_Return, Qt::Key_Escape, Qt::Key_N});
    action.button =
        any(std::array{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton});
    action.modifiers = any(std::array<Qt::KeyboardModifiers, 5>{
        Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier});
    action.count = 1 + pick(4);
    std::discrete_distribution<int> kinds{20, 15, 10, 10, 8, 10, 6, 5, 8, 3, 2, 5, 2, 2};
    switch (kinds(random)) {
    case 0:
        action.point = cell;
        break;
    case 1:
        action.target = any(std::array{"Command1", "Command2", "Command3", "Command4", "Command5",
                                       "Command6", "Command7", "Command8", "Check2", "Text1",
                                       "Text2", "Text3", "Label9", "Frame1"});
        break;
    case 2:
        action.point = anywhere;
        break;
    case 3:
        action.kind = Kind::Move;
        action.point = pick(2) == 0 ? cell : anywhere;
        break;
    case 4:
        action.kind = Kind::Keys;
        action.key = pick(2) == 0 ? Qt::Key_Tab : Qt::Key_Backtab;
        action.modifiers = action.key == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier;
        action.count = 1 + pick(80);
        break;
    case 5:
        action.kind = Kind::Keys;
        action.key = any(std::array{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down});
        action.modifiers = Qt::NoModifier;
        action.count = 1 + pick(9);
        break;
    case 6:
        action.kind = Kind::Keys;
        action.key = Qt::Key_Space;
        action.modifiers = Qt::NoModifier;
        action.count = 1;
        break;
    case 7:
        action.kind = Kind::HoldSpace;
        action.repeats =
            any(std::array{Repeats::Marked, Repeats::UnmarkedPairs, Repeats::MarkedPairs});
        action.count = 1 + pick(20);
        break;
    case 8:
        action.kind = Kind::Keys;
        action.key = any(std::array{
            Qt::Key_A, Qt::Key_Z, Qt::Key_5, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,
            Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_F2, Qt::Key_F10,
            Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Plus, Qt::Key_Minus});
        action.count = 1 + pick(2);
        break;
    case 9:
        action.kind = Kind::Type;
        action.target = any(std::array{"Text1", "Text3"});
        action.text = someText(action.target == "Text1" ? 110 : 12, "");
        break;
    case 10:
        action.kind = Kind::Paste;
        action.target = any(std::array{"Text1", "Text3"});
        action.text = someText(action.target == "Text1" ? 110 : 14, "\n\t");
        break;
    case 11:
        action.kind = Kind::Accessible;
        action.target = Model::cell(pick(72));
        action.text = any(std::array{QAccessibleActionInterface::pressAction(),
                                     QAccessibleActionInterface::toggleAction()});
        break;
    case 12:
        action.kind = Kind::Accessible;
        action.target = any(std::array{"Command5", "Command6"});
        action.text = QAccessibleActionInterface::pressAction();
        break;
    default:
        action.kind = Kind::Palette;
        action.text = any(std::array{"dark", "light"});
    }
    return action;
}

// The actions played on a new window until the screen differs from the model; the
// difference, and how many actions it took, or nothing.
std::pair<QString, std::size_t> Play(const std::vector<Action>& actions) {
    QApplication::setPalette(QPalette());
    QGuiApplication::clipboard()->clear();
    Session session;
    for (std::size_t played = 0; played < actions.size(); ++played) {
        session.play(actions[played]);
        const QString differences = session.differences();
        if (!differences.isEmpty()) {
            return {differences, played + 1};
        }
    }
    return {};
}

// Fewer actions that still fail: ever smaller runs of them left out while it still fails.
std::vector<Action> Shrunk(std::vector<Action> actions) {
    for (std::size_t run = actions.size() / 2; run >= 1; run /= 2) {
        for (std::size_t start = 0; start < actions.size();) {
            std::vector<Action> fewer = actions;
            fewer.erase(fewer.begin() + long(start),
                        fewer.begin() + long(std::min(start + run, actions.size())));
            if (Play(fewer).first.isEmpty()) {
                start += run;
            } else {
                actions = fewer;
            }
        }
    }
    return actions;
}

} // namespace

class TestSessions : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(QPalette()); }

    void randomSessionsShowWhatTheModelSays() {
        const QStringList seeds =
            qEnvironmentVariable("KOBALIN_SEEDS", "1 2 3 4").split(' ', Qt::SkipEmptyParts);
        const int length = qEnvironmentVariable("KOBALIN_ACTIONS", "250").toInt();
        for (const QString& seed : seeds) {
            std::mt19937 random(seed.toUInt());
            std::vector<Action> actions;
            for (int i = 0; i < length; ++i) {
                actions.push_back(RandomAction(random));
            }
            const auto [differences, played] = Play(actions);
            if (differences.isEmpty()) {
                continue;
            }
            actions.resize(played);
            const std::vector<Action> shortest = Shrunk(actions);
            QStringList said;
            for (const Action& action : shortest) {
                said << action.said();
            }
            QFAIL(qPrintable(QString("seed %1, after %2 actions: %3\nthe shortest that fails: %4\n"
                                     "  %5\nshows: %6")
                                 .arg(seed)
                                 .arg(played)
                                 .arg(differences)
                                 .arg(said.size())
                                 .arg(said.join("\n  "))
                                 .arg(Play(shortest).first)));
        }
    }
};

QTEST_MAIN(TestSessions)
#include "test_sessions.moc"
