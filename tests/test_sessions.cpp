// Random sessions on the real window: seeded actions of every kind a user takes, in any order,
// each followed by a look at what the user sees and is told, against a small model of what they
// should. KOBALIN_SEEDS ("1 2 3 25 89") and KOBALIN_ACTIONS (250 a seed) run others.
#include "editor_window.h"
#include "held_space.h"
#include "qt_platform.h"

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include <random>

using namespace kobalin;

namespace {

QString Cell(int index) {
    return "Picture1_" + QString::number(index);
}

QString Hex(int byte) {
    return QString::number(byte, 16).toUpper().rightJustified(2, '0');
}

// The first characters of a text as the user counts them, an emoji as one.
QString Leading(const QString& text, int characters) {
    qsizetype end = 0;
    for (; end < text.size() && characters > 0; --characters) {
        end += text[end].isHighSurrogate() ? 2 : 1;
    }
    return text.left(end);
}

// What the user should see, from the editor's rules alone.
struct Model {
    std::array<int, 9> rows{}; // each row's byte, the leftmost column its high bit
    int height = 9;
    bool grid = false;
    bool refusing = false; // the clipboard
    int quits = 0;
    QString name = "bild";
    QString declaration =
        "static unsigned char bild[] = {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n";
    QStringList readouts{"0", "0", "0000", "0000"}; // column and row pointed at, the nibbles
    QString focus = "Text1";
    QString copied; // in this action, the clipboard's formats and text
    QString boxes;  // in this action, the title and text of each message box

    bool shown(int index) const { return index >= 0 && index / 8 < height; }
    bool black(int index) const { return (rows[index / 8] & (0x80 >> (index % 8))) != 0; }
    int focusedCell() const { return focus.startsWith("Picture1_") ? focus.mid(9).toInt() : -1; }

    void tab(int by) {
        QStringList chain = QString("Text1 Command1 Command2 Command3 Command4 Command5 "
                                    "Command6 Text2 Command7")
                                .split(' ');
        for (int index = 0; index < height * 8; ++index) {
            chain << Cell(index);
        }
        chain << "Check2"
              << "Command8"
              << "Text3";
        focus = chain[(chain.indexOf(focus) + by + chain.size()) % chain.size()];
    }

    void point(int index) {
        readouts[0] = QString::number(index % 8 + 1);
        readouts[1] = QString::number(index / 8 + 1);
    }

    // After the row is encoded: its nibbles shown, the declaration rebuilt.
    void encoded(int row) {
        const QString bits = QString::number(rows[row], 2).rightJustified(8, '0');
        readouts[2] = bits.left(4);
        readouts[3] = bits.mid(4);
        QStringList bytes;
        for (int shown = 0; shown < height; ++shown) {
            bytes << "0x" + Hex(rows[shown]);
        }
        declaration = "static unsigned char " + (name.isEmpty() ? "XXXXX" : name) + "[] = {" +
                      bytes.join(',') + "};";
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
        const bool asks = control == "Command1" || control == "Command3";
        boxes += asks ? "Kobalin: Sind Sie sicher? " : "";
        if (asks && yes) {
            sweep(0, control == "Command3" ? 0xFF : 0);
        } else if (control == "Command2") {
            sweep(0xFF, 0xFF);
        } else if (control == "Command4") {
            ++quits;
        } else if (control == "Command5" || control == "Command6") {
            height = std::clamp(height + (control == "Command5" ? -1 : 1), 1, 9);
            std::fill(rows.begin() + height, rows.end(), 0);
            if (focused >= 0 && !shown(focused)) { // to the same column in the last row left
                focus = Cell((height - 1) * 8 + focused % 8);
            }
            sweep(0xFF, 0);
        } else if (control == "Command7") {
            encoded(8);
            readouts[2] = "0000";
            readouts[3] = "0000";
        } else if (control == "Command8" && refusing) {
            boxes += "Kobalin: Die Zwischenablage konnte nicht beschrieben werden. ";
        } else if (control == "Command8") {
            copied = "text/plain: " + declaration;
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
            focus = Cell(next); // up to the grid's edge
        } else if (key == Qt::Key_Space) {
            command(focus, yes);
        } else if (index < 0 && !focus.startsWith("Text")) {
            tab(right + down); // an arrow moves on from Qt's buttons as Tab does
        }
    }

    // In the form Session::seen() tells it.
    QStringList expected() const {
        QString bytes;
        QString cells;
        for (int row = 0; row < height; ++row) {
            bytes += Hex(rows[row]) + ' ';
        }
        for (int index = 0; index < 72; ++index) {
            const bool focused = focus == Cell(index);
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
        return {readouts.join(' '),
                QString::number(height),
                name,
                declaration,
                bytes,
                cells,
                focus,
                "",
                QString::number(quits),
                copied,
                boxes};
    }
};

// WCAG's relative luminance of a colour, and the contrast ratio of two luminances: 1 for the
// same colour, 21 for black on white.
double Luminance(QRgb colour) {
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double Contrast(double first, double second) {
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The contrast of the darkest and the lightest pixel in an area of the screen: a text or a
// line against what is under it, 1 where nothing is drawn on a plain background.
double Strongest(const QImage& screen, const QRect& area) {
    double darkest = 1;
    double lightest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const double luminance = Luminance(screen.pixel(x, y));
            darkest = std::min(darkest, luminance);
            lightest = std::max(lightest, luminance);
        }
    }
    return Contrast(darkest, lightest);
}

// The text a control shows to be read: none where it is selected, and so in the desktop's
// selection colours, or where a declaration beyond its first line may be scrolled.
QString Readable(const QWidget& control) {
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(&control)) {
        const QString text = box->toPlainText();
        const qsizetype lineBreak = text.indexOf('\n');
        const bool oneLine = lineBreak < 0 || lineBreak == text.size() - 1;
        return oneLine && !box->textCursor().hasSelection() ? text.trimmed() : QString();
    }
    const QString text = control.property("text").toString() + control.property("title").toString();
    return control.property("hasSelectedText").toBool() ? QString() : text.trimmed();
}

// The editor, driven as a user drives it; what the user sees and is told of it.
class Session {
public:
    // On a new window, fixed in size and centred on the desktop, with its icon.
    Session() : window(desktop) {
        desktop.setDialogParent(&window);
        QObject::connect(&answerer, &QTimer::timeout, &window, [this] { answerBox(); });
        answerer.start(0);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseMove(window.windowHandle(), pointer); // off the window, wherever it was
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const QPoint offCentre =
            window.geometry().center() - window.screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 1); // an odd width cannot centre exactly
        QCOMPARE(window.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    }

    Qt::Key answer = Qt::Key_Return; // to a question: Return for Yes, Escape, N for a click on No

    QPoint centre(const QString& name) const {
        return control(name)->mapTo(&window, control(name)->rect().center());
    }

    void click(QPoint point, Qt::MouseButton button) {
        QWidget* under = window.childAt(point);
        while (under != nullptr &&
               (under->objectName().isEmpty() || under->objectName().startsWith("qt_"))) {
            under = under->parentWidget();
        }
        const QString name = under != nullptr ? under->objectName() : QString();
        pointer = point;
        QTest::mouseClick(window.windowHandle(), button, {}, point);
        if (name.startsWith("Command") || name.startsWith("Text") || name == "Check2") {
            model.focus = name;
        }
        if (name.startsWith("Picture1_")) {
            model.press(name.mid(9).toInt());
        } else if (button == Qt::LeftButton) {
            model.command(name, answer == Qt::Key_Return);
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
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            settle();
            const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
            if (!tab && model.focus.startsWith("Text")) { // what the user typed
                model.declaration = declarationShown();
                model.name = text("Text3");
            } else {
                model.key(key, answer == Qt::Key_Return);
            }
        }
    }

    // Space held on a focused cell, button or tick box: one press however the repeats arrive,
    // marked as such or, as X11 sends them, as a release and a press at one time, marked or
    // not. The last release reaches the control a moment later.
    void holdSpace(int repeats, bool pairs, bool marked) {
        if (model.focus.startsWith("Text")) {
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
        QTest::qWait(2 * HeldSpace::Wait.count());
        model.key(Qt::Key_Space, answer == Qt::Key_Return);
    }

    // Everything selected, then typed or pasted over. What fits is counted in characters as
    // the user sees them, an emoji as one.
    void typeInto(const QString& box, const QString& text, bool paste) {
        click(centre(box), Qt::LeftButton);
        QTest::keyClick(control(box), Qt::Key_A, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(text);
        if (paste) {
            QTest::keyClick(control(box), Qt::Key_V, Qt::ControlModifier);
        }
        for (const QChar typed : paste ? QString() : text) {
            QTest::sendKeyEvent(QTest::Click, control(box), Qt::Key_unknown, typed, {});
        }
        if (box == "Text3" && (paste || !text.isEmpty())) { // pasting nothing keeps the name
            model.name = Leading(QString(text).remove('\n').remove('\t'), 10);
        } else if (!text.isEmpty()) {
            model.declaration = Leading(text, 100).replace("\n", "\r\n");
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

    void refuseCopies(bool refusing) {
        desktop.refusing = refusing;
        model.refusing = refusing;
    }

    // What the desktop does once a menu or a dialog is gone.
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

    // What differs between what the user has seen and what the model says, or nothing.
    QString differences() {
        const QStringList seen = this->seen();
        const QStringList expected = model.expected();
        model.copied.clear();
        model.boxes.clear();
        boxes.clear();
        QString found;
        for (qsizetype line = 0; line < seen.size(); ++line) {
            if (seen[line] != expected[line]) {
                found += "seen '" + seen[line] + "', not '" + expected[line] + "'; ";
            }
        }
        return found;
    }

private:
    // The desktop as Qt offers it, but with the program's end counted, and a clipboard that
    // may refuse.
    struct Desktop : QtPlatform {
        int quits = 0;
        bool refusing = false;
        void quit() override { ++quits; }
        bool putOnClipboard(const std::string& text) override {
            return !refusing && QtPlatform::putOnClipboard(text);
        }
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

    // A message box read and answered; one without No takes Escape for it.
    void answerBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        boxes += box->windowTitle() + ": " + box->text() + ' ';
        QAbstractButton* no = box->button(QMessageBox::No);
        if (answer == Qt::Key_N && no != nullptr) {
            no->click();
        } else {
            QTest::keyClick(box, answer == Qt::Key_N ? Qt::Key_Escape : answer);
        }
    }

    // Where a control's text stands: inside a box's or a button's frame, beside the tick box,
    // in a group's title.
    QRect textArea(const QWidget& control) const {
        const QRect area(control.mapTo(&window, QPoint()), control.size());
        if (control.inherits("QCheckBox")) {
            return area.adjusted(16, 0, 0, 0);
        }
        if (control.inherits("QGroupBox")) {
            return {area.topLeft() + QPoint(8, 0), QSize(24, 12)};
        }
        return control.inherits("QLabel") ? area : area.adjusted(3, 3, -3, -3);
    }

    // What cannot be seen that should be: a text under 4.5:1 on what is under it, hidden or
    // not, outside the hidden rows; the tick between the nibbles and the frame around the grid
    // under 3:1 beside them; anything drawn in a hidden row's byte.
    QString unseen(const QImage& screen) const {
        QStringList unseen;
        for (const QWidget* control : window.findChildren<QWidget*>()) {
            const QString name = control->objectName();
            const bool hiddenRow =
                name.startsWith("Label1_") && name.mid(7).toInt() >= model.height;
            if (!hiddenRow && !Readable(*control).isEmpty() &&
                Strongest(screen, textArea(*control)) < 4.5) {
                unseen << name;
            }
        }
        for (const QRect line : {QRect(48, 10, 3, 3), QRect(11, 13, 2, 85), QRect(12, 12, 76, 2),
                                 QRect(86, 13, 2, 84), QRect(12, 96, 75, 2)}) {
            if (Strongest(screen, line) < 3) {
                unseen << QString("line at %1,%2").arg(line.x()).arg(line.y());
            }
        }
        for (int row = model.height; row < 9; ++row) {
            if (Strongest(screen, textArea(*control("Label1_" + QString::number(row)))) > 1) {
                unseen << "drawn in hidden row " + QString::number(row + 1);
            }
        }
        return unseen.join(' ');
    }

    // The readouts and texts; the shown rows' bytes; each cell's fill (hex), frame (F) and
    // focus mark (M) as drawn, laid out in twips (195 + 135 per column, 210 + 135 per row), and
    // whether it is told checked (c) and focused (f), or "-" where its row is hidden and
    // nothing is drawn; the focus; what cannot be seen; the endings; after a copy, the
    // clipboard; the message boxes.
    QStringList seen() const {
        const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
        const QWidget* focused = QApplication::focusWidget();
        const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
        QString bytes;
        QString cells;
        for (int row = 0; row < model.height; ++row) {
            bytes += text("Label1_" + QString::number(row)) + ' ';
        }
        for (int index = 0; index < 72; ++index) {
            const QPoint corner(13 + 9 * (index % 8), 14 + 9 * (index / 8));
            const QRgb colour = screen.pixel(corner + QPoint(5, 5));
            const double fill = Luminance(colour);
            const double frame = Luminance(screen.pixel(corner));
            const double mark = Luminance(screen.pixel(corner + QPoint(1, 1)));
            const QAccessible::State told =
                QAccessible::queryAccessibleInterface(control(Cell(index)))->state();
            if (!model.shown(index)) {
                cells += colour == screen.pixel(3, 3) ? "- " : "drawn in a hidden row ";
                continue;
            }
            cells += QString::number(colour & 0xFFFFFF, 16);
            cells += Contrast(frame, fill) >= 3 ? "F" : "";
            cells += std::min(Contrast(mark, fill), Contrast(mark, frame)) >= 3 ? "M" : "";
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
                unseen(screen),
                QString::number(desktop.quits),
                model.copied.isEmpty() ? ""
                                       : clipboard->formats().join(' ') + ": " + clipboard->text(),
                boxes};
    }

    Desktop desktop;
    EditorWindow window;
    Model model;
    QTimer answerer;
    QString boxes; // in this action, as the model tells them
    QPoint pointer{-1, -1};
    quint64 time = 1; // of the key events sent with a time
};

// One action of any kind a user takes, chosen by its own seed, played: how a failure lists it.
QString Act(Session& session, unsigned seed) {
    std::mt19937 random(seed);
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    const auto any = [&pick](const auto& choices) { return choices[pick(int(choices.size()))]; };
    session.answer = any(std::array{Qt::Key_Return, Qt::Key_Escape, Qt::Key_N});
    const QString answered = ", answer " + QKeySequence(session.answer).toString();
    const int count = 1 + pick(9);
    QPoint point(pick(381), pick(140));
    if (pick(2) == 0) {
        point = QPoint(18 + 9 * pick(8), 19 + 9 * pick(9)); // a cell's middle
    }
    const QString at = QString(" at %1,%2").arg(point.x()).arg(point.y());
    switch (std::discrete_distribution<int>{30, 15, 10, 30, 8, 5, 5, 2, 2, 2}(random)) {
    case 0: {
        const auto button =
            any(std::array{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton});
        session.click(point, button);
        return QString("click %1").arg(button) + at + answered;
    }
    case 1: {
        const QString control = any(std::array{
            "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
            "Command8", "Check2", "Text1", "Text2", "Text3", "Label9", "Frame1"});
        session.click(session.centre(control), Qt::LeftButton);
        return "click " + control + answered;
    }
    case 2:
        session.move(point);
        return "move" + at;
    case 3: {
        const auto key = any(std::array{
            Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Left,   Qt::Key_Right,     Qt::Key_Up,
            Qt::Key_Down,   Qt::Key_Space,   Qt::Key_Space,  Qt::Key_A,         Qt::Key_5,
            Qt::Key_Delete, Qt::Key_Home,    Qt::Key_PageUp, Qt::Key_Insert,    Qt::Key_F2,
            Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Minus});
        const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
        const bool arrow = key >= Qt::Key_Left && key <= Qt::Key_Down;
        Qt::KeyboardModifiers held = any(std::array<Qt::KeyboardModifiers, 4>{
            Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier});
        if (tab || arrow || key == Qt::Key_Space) {
            held = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier; // Shift+Tab
        }
        session.keys(key, held, tab ? count * count : count);
        return QKeySequence(int(held) | key).toString() +
               QString(" x%1").arg(tab ? count * count : count) + answered;
    }
    case 4: {
        const int kind = pick(3);
        session.holdSpace(2 * count + 1, kind > 0, kind == 2); // each repeat taken flips it back
        return QString("Space held, repeats of kind %1").arg(kind);
    }
    case 5: {
        const QString box = any(std::array{"Text1", "Text3"});
        const bool paste = pick(2) == 0;
        QString text;
        for (int length = pick(box == "Text1" ? 111 : 14); length > 0; --length) {
            text += any(std::array{"a", "0", " ", "_", "-", "\u00e4", "\u00df", "\u20ac", "\u00a0",
                                   "\n", "\t", "\U0001F600"});
        }
        if (!paste) {
            text.remove('\n').remove('\t').remove(QStringLiteral("\U0001F600"));
        }
        session.typeInto(box, text, paste);
        return (paste ? "paste into " : "type into ") + box + ": " +
               text.toUtf8().toPercentEncoding(" ");
    }
    case 6: {
        const QString cell = Cell(pick(72));
        const QString press = any(std::array{QAccessibleActionInterface::pressAction(),
                                             QAccessibleActionInterface::toggleAction()});
        session.accessiblePress(cell, press);
        return "assistive technology: " + press + ' ' + cell;
    }
    case 7: {
        const QString height = pick(2) == 0 ? "Command5" : "Command6";
        session.accessiblePress(height, QAccessibleActionInterface::pressAction());
        return "assistive technology: Press " + height;
    }
    case 8: {
        const bool refusing = pick(2) == 0;
        session.refuseCopies(refusing);
        return refusing ? "the clipboard refuses" : "the clipboard takes";
    }
    }
    const bool dark = pick(2) == 0;
    QApplication::setPalette(dark ? QPalette(QColor(0x2D, 0x2D, 0x2D)) : QPalette());
    return dark ? "dark palette" : "light palette";
}

// The actions, by their seeds, played on a new window until what the user sees differs from
// the model: what was done, and what then differed, or nothing.
std::pair<QStringList, QString> Play(const std::vector<unsigned>& actions) {
    QApplication::setPalette(QPalette());
    Session session;
    QStringList said;
    for (const unsigned action : actions) {
        said << Act(session, action);
        session.settle();
        const QString differences = session.differences();
        if (!differences.isEmpty()) {
            return {said, differences};
        }
    }
    return {said, {}};
}

// Fewer actions that still fail: ever shorter runs of them left out while it still fails.
std::vector<unsigned> Shortest(std::vector<unsigned> actions) {
    for (std::size_t run = actions.size() / 2; run >= 1; run /= 2) {
        for (std::size_t start = 0; start < actions.size();) {
            std::vector<unsigned> fewer = actions;
            fewer.erase(fewer.begin() + long(start),
                        fewer.begin() + long(std::min(start + run, actions.size())));
            if (Play(fewer).second.isEmpty()) {
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
        const QString seeds = qEnvironmentVariable("KOBALIN_SEEDS", "1 2 3 25 89");
        const int length = qEnvironmentVariable("KOBALIN_ACTIONS", "250").toInt();
        for (const QString& seed : seeds.split(' ', Qt::SkipEmptyParts)) {
            std::vector<unsigned> actions(length);
            std::iota(actions.begin(), actions.end(), seed.toUInt() * 100000); // a seed each
            const auto [said, differences] = Play(actions);
            if (differences.isEmpty()) {
                continue;
            }
            actions.resize(said.size());
            const QStringList shortest = Play(Shortest(actions)).first;
            QFAIL(qPrintable(
                QString("seed %1, after %2 actions: %3\nshortest that fails:\n  %4")
                    .arg(seed, QString::number(said.size()), differences, shortest.join("\n  "))));
        }
    }
};

QTEST_MAIN(TestSessions)
#include "test_sessions.moc"
