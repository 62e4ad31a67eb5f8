// Random sessions on the real window: seeded user actions of every kind, in any order, each
// followed by a look at the screen, the focus and what assistive technology is told, against
// a small model of what the user should see. KOBALIN_SEEDS ("1 2 3") and KOBALIN_ACTIONS
// (per seed) run more.
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
    bool grid = false;
    int quits = 0;
    QString name = "bild";
    QString declaration =
        "static unsigned char bild[] = {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n";
    QString readouts = "0 0 0000 0000"; // column and row under the pointer, the nibbles
    QString focus = "Text1";
    std::optional<QString> copied; // what the clipboard holds after a copy

    static QString cell(int index) { return "Picture1_" + QString::number(index); }
    static QString hex(int byte) {
        return QString::number(byte, 16).toUpper().rightJustified(2, '0');
    }
    bool shown(int index) const { return index >= 0 && index / 8 < height; }
    bool black(int index) const { return (rows[index / 8] & (0x80 >> (index % 8))) != 0; }
    int focusedCell() const { return focus.startsWith("Picture1_") ? focus.mid(9).toInt() : -1; }

    void tab(int by) {
        QStringList chain = QString("Text1 Command1 Command2 Command3 Command4 Command5 "
                                    "Command6 Text2 Command7")
                                .split(' ');
        for (int index = 0; index < height * 8; ++index) {
            chain << cell(index);
        }
        chain += QStringList{"Check2", "Command8", "Text3"};
        focus = chain[(chain.indexOf(focus) + by + chain.size()) % chain.size()];
    }

    // What the user should see, in the form Session::seen() tells it.
    QStringList expected() const {
        QString bytes;
        QString cells;
        for (int index = 0; index < 72; ++index) {
            const bool focused = focus == cell(index);
            if (index % 8 == 0 && index / 8 < height) {
                bytes += hex(rows[index / 8]) + ' ';
            }
            if (!shown(index)) {
                cells += "- ";
                continue;
            }
            cells += black(index) ? "0" : "ffffff";
            cells += grid && !black(index) ? "F" : "";
            cells += focused ? "M" : "";
            cells += black(index) ? "c" : "";
            cells += focused ? "f " : " ";
        }
        return {readouts,
                QString::number(height),
                name,
                declaration,
                bytes,
                cells,
                focus,
                "",
                QString::number(quits),
                copied.value_or("")};
    }

    // After the row is encoded: its nibbles shown, the declaration rebuilt.
    void encoded(int row) {
        const QString bits = QString::number(rows[row], 2).rightJustified(8, '0');
        readouts = readouts.left(3) + ' ' + bits.left(4) + ' ' + bits.mid(4);
        QStringList bytes;
        for (int shown = 0; shown < height; ++shown) {
            bytes << "0x" + hex(rows[shown]);
        }
        declaration = "static unsigned char " + (name.isEmpty() ? "XXXXX" : name) + "[] = {" +
                      bytes.join(',') + "};";
    }

    void point(int index) {
        readouts = QString("%1 %2").arg(index % 8 + 1).arg(index / 8 + 1) + readouts.mid(3);
    }

    void press(int index) {
        if (shown(index)) {
            point(index);
            rows[index / 8] ^= 0x80 >> (index % 8);
            encoded(index / 8);
        }
    }

    // The rows within the height changed, then all rows encoded, the ninth last.
    void sweep(int keep, int flip) {
        for (int row = 0; row < height; ++row) {
            rows[row] = (rows[row] & keep) ^ flip;
        }
        encoded(8);
    }

    void command(const QString& control, bool yes) {
        const int focused = focusedCell();
        if ((control == "Command1" || control == "Command3") && yes) {
            sweep(0, control == "Command3" ? 0xFF : 0);
        } else if (control == "Command2") {
            sweep(0xFF, 0xFF);
        } else if (control == "Command4") {
            ++quits;
        } else if (control == "Command5" || control == "Command6") {
            height = std::clamp(height + (control == "Command5" ? -1 : 1), 1, 9);
            std::fill(rows.begin() + height, rows.end(), 0);
            if (focused >= 0 && !shown(focused)) { // to the same column in the last row left
                focus = cell((height - 1) * 8 + focused % 8);
            }
            sweep(0xFF, 0);
        } else if (control == "Command7") {
            encoded(8);
            readouts = readouts.left(3) + " 0000 0000";
        } else if (control == "Command8") {
            copied = declaration;
        } else if (control == "Check2") {
            grid = !grid;
        }
    }

    void key(Qt::Key key, bool yes) {
        const int index = focusedCell();
        const int right = (key == Qt::Key_Right) - (key == Qt::Key_Left);
        const int down = (key == Qt::Key_Down) - (key == Qt::Key_Up);
        const int column = index % 8 + right;
        const int next = index + right + 8 * down;
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            tab(key == Qt::Key_Tab ? 1 : -1);
        } else if (index >= 0 && key == Qt::Key_Space) {
            press(index);
        } else if (index >= 0 && shown(next) && column >= 0 && column < 8) {
            focus = cell(next); // up to the grid's edge
        } else if (key == Qt::Key_Space) {
            command(focus, yes);
        } else if (index < 0 && !focus.startsWith("Text")) {
            tab(right + down); // an arrow moves on from Qt's buttons as Tab does
        }
    }
};

// WCAG's relative luminance, and the contrast ratio of two colours: 1 for the same colour, 21
// for black on white.
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

// The contrast of the darkest and the lightest pixel in an area of the screen: a text or a
// line against what is under it, 1 where nothing is drawn on a plain background.
double Strongest(const QImage& screen, const QRect& area) {
    double darkest = 1;
    double lightest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            darkest = std::min(darkest, Luminance(screen.pixel(x, y)));
            lightest = std::max(lightest, Luminance(screen.pixel(x, y)));
        }
    }
    return (lightest + 0.05) / (darkest + 0.05);
}

// The editor, driven as a user drives it, and what the user sees that the model does not.
class Session {
public:
    Session() : window(platform) {
        platform.setDialogParent(&window);
        answerer.setSingleShot(true);
        QObject::connect(&answerer, &QTimer::timeout, &window, [this] { answer(); });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseMove(window.windowHandle(), pointer); // off the window, wherever it was
    }

    // Runs one action; the question, should one come, is answered by the key given: Return
    // for Yes, Escape, or N for a click on No.
    void play(Qt::Key answerKey, const std::function<void(Session&)>& action) {
        model.copied.reset();
        answerKey_ = answerKey;
        answerer.start(0);
        action(*this);
        answerer.stop();
        settle();
    }

    // After each key or action: what the desktop does once a menu or a dialog is gone.
    void settle() {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close(); // a text box's context menu
        }
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() == nullptr) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
    }

    // At a point, or at the named control's centre.
    void click(QPoint point, Qt::MouseButton button, const QString& on = {}) {
        if (!on.isEmpty()) {
            point = control(on)->mapTo(&window, control(on)->rect().center());
        }
        QWidget* under = window.childAt(point);
        while (under != nullptr &&
               (under->objectName().isEmpty() || under->objectName().startsWith("qt_"))) {
            under = under->parentWidget();
        }
        pointer = point;
        QTest::mouseClick(window.windowHandle(), button, {}, point);
        const QString name = under != nullptr ? under->objectName() : QString();
        if (name.startsWith("Command") || name.startsWith("Text") || name == "Check2") {
            model.focus = name;
        }
        if (name.startsWith("Picture1_")) {
            model.press(name.mid(9).toInt());
        } else if (button == Qt::LeftButton) {
            model.command(name, answerKey_ == Qt::Key_Return);
        }
    }

    void move(QPoint point) {
        if (point == pointer) {
            return; // Qt reports no move that does not move
        }
        pointer = point;
        QTest::mouseMove(window.windowHandle(), point);
        const QWidget* under = window.childAt(point);
        if (under != nullptr && under->objectName().startsWith("Picture1_")) {
            model.point(under->objectName().mid(9).toInt());
        }
    }

    void keys(Qt::Key key, Qt::KeyboardModifiers modifiers, int count) {
        for (int i = 0; i < count; ++i) {
            answerer.start(0);
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            settle();
            const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
            if (!tab && model.focus.startsWith("Text")) { // what the user typed
                model.declaration = declarationShown();
                model.name = control<QLineEdit>("Text3")->text();
            } else {
                model.key(key, answerKey_ == Qt::Key_Return);
            }
        }
    }

    // Space held on a focused cell: one press however the repeats arrive, marked as such or,
    // as X11 sends them, as a release and a press at one time, marked or not.
    void holdSpace(int repeats, bool pairs, bool marked) {
        if (model.focusedCell() < 0) {
            return;
        }
        const auto send = [this](QEvent::Type type, bool repeat) {
            QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, " ", repeat);
            event.setTimestamp(time);
            QApplication::sendEvent(QApplication::focusWidget(), &event);
        };
        time += 100;
        send(QEvent::KeyPress, false);
        for (int repeat = 0; repeat < repeats; ++repeat) {
            time += 33;
            if (pairs) {
                send(QEvent::KeyRelease, marked);
            }
            send(QEvent::KeyPress, marked || !pairs);
        }
        send(QEvent::KeyRelease, false);
        model.press(model.focusedCell());
    }

    // Everything selected, then typed or pasted over.
    void typeInto(const QString& box, const QString& text, bool paste) {
        click({}, Qt::LeftButton, box);
        QTest::keyClick(control(box), Qt::Key_A, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(text);
        if (paste) {
            QTest::keyClick(control(box), Qt::Key_V, Qt::ControlModifier);
        }
        for (const QChar typed : paste ? QString() : text) {
            QTest::sendKeyEvent(QTest::Click, control(box), Qt::Key_unknown, typed, {});
        }
        if (box == "Text3" && (paste || !text.isEmpty())) { // pasting nothing removes the selection
            model.name = QString(text).remove('\n').remove('\t').left(10);
        } else if (!text.isEmpty()) {
            model.declaration = text.left(100).replace("\n", "\r\n");
        }
    }

    // Assistive technology presses a cell, shown or not, or a height button.
    void accessiblePress(const QString& name, const QString& action) {
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(control(name))->actionInterface();
        if (name.startsWith("Picture1_")) {
            actions->doAction(action);
            model.press(name.mid(9).toInt());
            return;
        }
        QSignalSpy clicked(control<QPushButton>(name), &QPushButton::clicked);
        actions->doAction(action);
        QVERIFY(clicked.wait(2000)); // Qt animates the press
        model.command(name, true);
    }

    // What differs between what the user sees and what the model says, or nothing.
    QString differences() const {
        const QStringList seen = this->seen();
        const QStringList expected = model.expected();
        QString found;
        for (qsizetype line = 0; line < seen.size(); ++line) {
            if (seen[line] != expected[line]) {
                found += "seen '" + seen[line] + "', not '" + expected[line] + "'; ";
            }
        }
        return found;
    }

private:
    struct Quitting : QtPlatform {
        int quits = 0;
        void quit() override { ++quits; }
    };

    template <typename Widget = QWidget> Widget* control(const QString& name) const {
        return window.findChild<Widget*>(name);
    }

    QString text(const QString& name) const { return control(name)->property("text").toString(); }

    QString declarationShown() const { // as typed: line breaks as CR LF, no-break spaces kept
        QString text = control<QPlainTextEdit>("Text1")->document()->toRawText();
        return text.replace(QChar::ParagraphSeparator, "\r\n")
            .replace(QChar::LineSeparator, "\r\n");
    }

    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && answerKey_ == Qt::Key_N) {
            box->button(QMessageBox::No)->click();
        } else if (box != nullptr) {
            QTest::keyClick(box, answerKey_);
        }
    }

    // Where a control's text stands: inside a box's or a button's frame, beside the tick box,
    // under the height box's caption.
    QRect textArea(const QString& name) const {
        const QWidget* widget = control(name);
        const QRect area(widget->mapTo(&window, QPoint()), widget->size());
        if (name.startsWith("Command") || name.startsWith("Text")) {
            return area.adjusted(3, 3, -3, -3);
        }
        if (name == "Check2") {
            return area.adjusted(16, 0, 0, 0);
        }
        return name == "Frame1" ? QRect(area.topLeft() + QPoint(8, 0), QSize(24, 12)) : area;
    }

    bool selected(const QString& name) const { // then in the desktop's selection colours
        const auto* line = control<QLineEdit>(name);
        const auto* box = control<QPlainTextEdit>(name);
        return (line != nullptr && line->hasSelectedText()) ||
               (box != nullptr && box->textCursor().hasSelection());
    }

    // The readouts and texts; the shown rows' bytes; each cell's fill (hex), frame (F) and
    // focus mark (M) as drawn, laid out in twips (195 + 135 per column, 210 + 135 per row), and
    // whether it is told checked (c) and focused (f), or "-" where its row is hidden and
    // nothing is drawn; the focus; the captions and lines that cannot be seen (each caption
    // at 4.5:1 unless selected, the tick between the nibbles and the frame around the grid,
    // each with the pixels beside it on the outside, at 3:1); the endings; the clipboard
    // after a copy.
    QStringList seen() const {
        const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
        const QWidget* focused = QApplication::focusWidget();
        QStringList unseen;
        for (const QString& caption : readable()) {
            if (!selected(caption) && Strongest(screen, textArea(caption)) < 4.5) {
                unseen << caption;
            }
        }
        for (const QRect line : {QRect(48, 10, 3, 3), QRect(11, 13, 2, 85), QRect(12, 12, 76, 2),
                                 QRect(86, 13, 2, 84), QRect(12, 96, 75, 2)}) {
            if (Strongest(screen, line) < 3) {
                unseen << QString("line at %1,%2").arg(line.x()).arg(line.y());
            }
        }
        QString bytes;
        QString cells;
        for (int index = 0; index < 72; ++index) {
            const QString caption = "Label1_" + QString::number(index / 8);
            const QPoint corner(13 + 9 * (index % 8), 14 + 9 * (index / 8));
            const QRgb fill = screen.pixel(corner + QPoint(5, 5));
            const QRgb frame = screen.pixel(corner);
            const QRgb mark = screen.pixel(corner + QPoint(1, 1));
            const QAccessible::State told =
                QAccessible::queryAccessibleInterface(control(Model::cell(index)))->state();
            if (index % 8 == 0 && model.shown(index)) {
                bytes += text(caption) + ' ';
            } else if (index % 8 == 0 && Strongest(screen, textArea(caption)) > 1) {
                bytes += "drawn in a hidden row ";
            }
            if (!model.shown(index)) {
                cells += fill == screen.pixel(3, 3) ? "- " : "drawn in a hidden row ";
                continue;
            }
            cells += QString::number(fill & 0xFFFFFF, 16);
            cells += Contrast(frame, fill) >= 3 ? "F" : "";
            cells += Contrast(mark, fill) >= 3 && Contrast(mark, frame) >= 3 ? "M" : "";
            cells += told.checked ? "c" : "";
            cells += told.focused ? "f " : " ";
        }
        return {text("Label3") + ' ' + text("Label4") + ' ' + text("Label5") + ' ' + text("Label6"),
                text("Text2"),
                text("Text3"),
                declarationShown(),
                bytes,
                cells,
                focused != nullptr ? focused->objectName() : "nothing",
                unseen.join(' '),
                QString::number(platform.quits),
                model.copied.has_value() ? QGuiApplication::clipboard()->text() : ""};
    }

    // The captions the user can read now: a blank name or a declaration scrolled beyond its
    // first line shows nothing to read.
    QStringList readable() const {
        QStringList captions = QString("Label2 Label3 Label4 Label5 Label6 Label7 Label8 Label9 "
                                       "Check2 Text2 Frame1 Command1 Command2 Command3 Command4 "
                                       "Command5 Command6 Command7 Command8")
                                   .split(' ');
        const qsizetype lineBreak = model.declaration.indexOf('\n');
        for (int row = 0; row < model.height; ++row) {
            captions << "Label1_" + QString::number(row);
        }
        if (!model.name.trimmed().isEmpty()) {
            captions << "Text3";
        }
        if (!model.declaration.trimmed().isEmpty() &&
            (lineBreak < 0 || lineBreak == model.declaration.size() - 1)) {
            captions << "Text1";
        }
        return captions;
    }

    Quitting platform;
    EditorWindow window;
    Model model;
    QTimer answerer;
    Qt::Key answerKey_ = Qt::Key_Return;
    QPoint pointer{-1, -1};
    quint64 time = 1; // of the key events sent with a time
};

struct Action {
    QString said; // as a failure lists it
    Qt::Key answer;
    std::function<void(Session&)> play;
};

// A random action of any kind a user takes, from the seeded generator.
Action RandomAction(std::mt19937& random) {
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    const auto any = [&pick](const auto& choices) { return choices[pick(int(choices.size()))]; };
    const QPoint point =
        pick(2) == 0 ? QPoint(18 + 9 * pick(8), 19 + 9 * pick(9)) : QPoint(pick(381), pick(140));
    const auto button =
        any(std::array{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton});
    const Qt::KeyboardModifiers modifiers = any(std::array<Qt::KeyboardModifiers, 4>{
        Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier});
    const auto key = any(std::array{
        Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Left,   Qt::Key_Right,     Qt::Key_Up,
        Qt::Key_Down,   Qt::Key_Space,   Qt::Key_Space,  Qt::Key_A,         Qt::Key_5,
        Qt::Key_Delete, Qt::Key_Home,    Qt::Key_PageUp, Qt::Key_Insert,    Qt::Key_F2,
        Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Minus});
    const QString control = any(std::array{"Command1", "Command2", "Command3", "Command4",
                                           "Command5", "Command6", "Command7", "Command8", "Check2",
                                           "Text1", "Text2", "Text3", "Label9", "Frame1"});
    const QString box = any(std::array{"Text1", "Text3"});
    const bool paste = pick(2) == 0;
    QString text;
    for (int length = pick(box == "Text1" ? 111 : 14); length > 0; --length) {
        text += any(paste ? QStringLiteral("ab09 _\u00e4\u00df\u20ac\u00a0-\n\t")
                          : QStringLiteral("ab09 _\u00e4\u00df\u20ac\u00a0-"));
    }
    const int count = 1 + pick(9);
    const int repeats = pick(3);
    const QString cell = Model::cell(pick(72));
    const QString press = any(std::array{QAccessibleActionInterface::pressAction(),
                                         QAccessibleActionInterface::toggleAction()});
    const QString height = pick(2) == 0 ? "Command5" : "Command6";
    const bool dark = pick(2) == 0;
    const QString at = QString(" at %1,%2").arg(point.x()).arg(point.y());
    const bool plain =
        key == Qt::Key_Tab || key == Qt::Key_Space || (key >= Qt::Key_Left && key <= Qt::Key_Down);
    Qt::KeyboardModifiers held = plain ? Qt::NoModifier : modifiers;
    if (key == Qt::Key_Backtab) {
        held = Qt::ShiftModifier; // Shift+Tab
    }
    const int presses = key == Qt::Key_Tab || key == Qt::Key_Backtab ? count * count : count;
    const Qt::Key answer = any(std::array{Qt::Key_Return, Qt::Key_Escape, Qt::Key_N});
    switch (std::discrete_distribution<int>{30, 15, 10, 30, 8, 5, 5, 2, 2}(random)) {
    case 0:
        return {QString("click %1").arg(button) + at, answer,
                [=](Session& s) { s.click(point, button); }};
    case 1:
        return {"click " + control, answer,
                [=](Session& s) { s.click({}, Qt::LeftButton, control); }};
    case 2:
        return {"move" + at, answer, [=](Session& s) { s.move(point); }};
    case 3:
        return {QKeySequence(int(held) | key).toString() + QString(" x%1").arg(presses), answer,
                [=](Session& s) { s.keys(key, held, presses); }};
    case 4:
        return {QString("Space held, repeats of kind %1").arg(repeats), answer,
                [=](Session& s) { s.holdSpace(count * 3, repeats > 0, repeats == 2); }};
    case 5:
        return {(paste ? "paste into " : "type into ") + box + ": " +
                    text.toUtf8().toPercentEncoding(" "),
                answer, [=](Session& s) { s.typeInto(box, text, paste); }};
    case 6:
        return {"assistive technology: " + press + ' ' + cell, answer,
                [=](Session& s) { s.accessiblePress(cell, press); }};
    case 7:
        return {"assistive technology: Press " + height, answer, [=](Session& s) {
                    s.accessiblePress(height, QAccessibleActionInterface::pressAction());
                }};
    }
    return {dark ? "dark palette" : "light palette", answer, [=](Session&) {
                QApplication::setPalette(dark ? QPalette(QColor(0x2D, 0x2D, 0x2D)) : QPalette());
            }};
}

// The actions played on a new window until the screen differs from the model: what differs
// and after how many actions, or nothing.
std::pair<QString, std::size_t> Play(const std::vector<Action>& actions) {
    QApplication::setPalette(QPalette());
    Session session;
    for (std::size_t played = 0; played < actions.size(); ++played) {
        session.play(actions[played].answer, actions[played].play);
        const QString differences = session.differences();
        if (!differences.isEmpty()) {
            return {differences, played + 1};
        }
    }
    return {};
}

// Fewer actions that still fail: ever shorter runs of them left out while it still fails.
std::vector<Action> Shortest(std::vector<Action> actions) {
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
        const QString seeds = qEnvironmentVariable("KOBALIN_SEEDS", "1 2 3 14 34");
        const int length = qEnvironmentVariable("KOBALIN_ACTIONS", "250").toInt();
        for (const QString& seed : seeds.split(' ', Qt::SkipEmptyParts)) {
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
            QStringList said;
            for (const Action& action : Shortest(actions)) {
                said << action.said + ", answer " + QKeySequence(action.answer).toString();
            }
            QFAIL(qPrintable(
                QString("seed %1, after %2 actions: %3\nshortest that fails:\n  %4")
                    .arg(seed, QString::number(played), differences, said.join("\n  "))));
        }
    }
};

QTEST_MAIN(TestSessions)
#include "test_sessions.moc"
