// The editor window as it opens: its controls, their places and captions,
// the start state, and the keyboard.

#include "gui_support.h"

#include <QGroupBox>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace kobalin;

namespace {

// How many pixels wide a copy of control would paint caption if it had room:
// up to the last column with a pixel at least half dark. Advance widths
// overstate it, and a faint edge of anti-aliasing is no visible part of a
// letter.
template <class Control> int InkWidth(const Control& control, const QString& caption) {
    Control probe;
    probe.setText(caption);
    probe.setFont(control.font());
    probe.setStyle(control.style());
    probe.resize(probe.sizeHint().width() + 20, control.height());
    const QImage shot = probe.grab().toImage();
    for (int x = shot.width() - 1; x >= 0; --x) {
        for (int y = 0; y < shot.height(); ++y) {
            if (qGray(shot.pixel(x, y)) < 128) {
                return x + 1;
            }
        }
    }
    return 0;
}

bool IsProgramControl(const QWidget* widget) {
    static const QRegularExpression name(
        QStringLiteral("^(Picture1_|Label|Text|Command|Check|Frame|Line)\\d"));
    return name.match(widget->objectName()).hasMatch();
}

} // namespace

class TestWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void init() {
        editor_ = OpenEditor();
        QVERIFY(!QTest::currentTestFailed());
    }
    void cleanup() { editor_.reset(); }

    void opensInTheStartState() {
        for (const CellWidget* cell : editor_->cells) {
            QCOMPARE(cell->fillColour(), White);
            QCOMPARE(cell->border(), BorderStyle::None);
            QVERIFY(cell->isEnabled());
            QVERIFY(cell->isVisible());
        }
        for (const QLabel* caption : editor_->rowCaptions) {
            QCOMPARE(caption->text(), "00");
            QVERIFY(caption->isVisible());
        }
        QVERIFY(!editor_->check2()->isChecked());
        QCOMPARE(editor_->text2()->text(), "9");
        QCOMPARE(editor_->label(3)->text(), "0");
        QCOMPARE(editor_->label(4)->text(), "0");
        QCOMPARE(editor_->label(5)->text(), "0000");
        QCOMPARE(editor_->label(6)->text(), "0000");
        QCOMPARE(editor_->text3()->text(), "bild");
        QCOMPARE(editor_->text1()->toPlainText(), StartBoxText());
        QCOMPARE(editor_->window->state().Text1,
                 "static unsigned char bild[] = "
                 "{0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n");
        QCOMPARE(QApplication::focusWidget(), editor_->text1());
        QCOMPARE(editor_->window->state(), WindowState{});

        int controls = 0;
        for (const QWidget* control : editor_->window->findChildren<QWidget*>()) {
            if (IsProgramControl(control)) {
                ++controls;
                QVERIFY2(control->isEnabled() && control->isVisible(),
                         qPrintable(control->objectName()));
            }
        }
        QCOMPARE(controls, CellCount + Rows + 8 + 8 + 3 + 1 + 2 + 5);
    }

    void windowHasAFixedSizeAndOpensInTheMiddle() {
        const EditorWindow& window = *editor_->window;
        QCOMPARE(window.objectName(), "main");
        QCOMPARE(window.windowTitle(), "Kobalin Version 1.00");
        QCOMPARE(window.size(), QSize(381, 140));
        QCOMPARE(window.minimumSize(), QSize(381, 140));
        QCOMPARE(window.maximumSize(), QSize(381, 140));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));

        // Placed before the desktop adds its frame, so off by at most that frame.
        const QPoint offCentre =
            window.geometry().center() - window.screen()->availableGeometry().center();
        const QMargins frame = window.windowHandle()->frameMargins();
        QVERIFY2(std::abs(offCentre.x()) <= std::max(frame.left(), frame.right()) + 1 &&
                     std::abs(offCentre.y()) <= std::max(frame.top(), frame.bottom()) + 1,
                 "the window opens off the screen's centre");
    }

    void controlsShowTheirCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char* name, const char* caption) {
            QTest::newRow(*caption != '\0' ? caption : name)
                << QString(name) << QString::fromUtf8(caption);
        };
        row("Command1", "neu");
        row("Command3", "neu (schwarz)");
        row("Command2", "invertieren");
        row("Command4", "Beenden");
        row("Command7", "aktualisieren");
        row("Command8", "In die Zwischenablage kopieren");
        row("Check2", "Raster anzeigen");
        row("Frame1", "Höhe");
        row("Frame2", "");
        row("Command5", "-");
        row("Command6", "+");
        row("Label2", "VarName:");
        row("Label7", "x:");
        row("Label8", "y:");
    }
    void controlsShowTheirCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        const QWidget* control = find<QWidget>(*editor_->window, name);
        QVERIFY(control != nullptr);
        const char* property = control->inherits("QGroupBox") ? "title" : "text";
        QCOMPARE(control->property(property).toString(), caption);
    }

    void captionsFitTheirControls() {
        // The longest texts each label shows while the program runs.
        const std::pair<QLabel*, QString> longest[] = {
            {editor_->label(2), "VarName:"}, {editor_->label(3), "8"},
            {editor_->label(4), "9"},        {editor_->label(5), "0000"},
            {editor_->label(6), "0000"},     {editor_->label(7), "x:"},
            {editor_->label(8), "y:"},       {editor_->label(9), editor_->label(9)->text()},
            {editor_->rowCaptions[0], "FF"},
        };
        for (const auto& [label, text] : longest) {
            const int needed = InkWidth(*label, text);
            QVERIFY2(needed <= label->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 cuts off \"%2\": %3 pixels in %4")
                                    .arg(label->objectName(), text)
                                    .arg(needed)
                                    .arg(label->contentsRect().width())));
        }
        const QCheckBox& grid = *editor_->check2();
        QVERIFY2(InkWidth(grid, grid.text()) <= grid.width(), "\"Raster anzeigen\" is cut off");
        QVERIFY(QFontInfo(editor_->rowCaptions[0]->font()).fixedPitch());
        QVERIFY(editor_->label(9)->font().bold());
    }

    void controlsSitWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("place");
        const auto row = [](const char* name, const char* parent, int left, int top, int width,
                            int height) {
            QTest::newRow(name) << name << parent << FromTwips(left, top, width, height);
        };
        row("Frame2", "main", 1665, 105, 1005, 735);
        row("Label7", "Frame2", 75, 135, 150, 195);
        row("Label3", "Frame2", 225, 135, 210, 195);
        row("Label8", "Frame2", 420, 135, 135, 195);
        row("Label4", "Frame2", 570, 135, 225, 210);
        row("Label5", "Frame2", 75, 450, 405, 225);
        row("Label6", "Frame2", 525, 450, 420, 180);
        row("Frame1", "main", 1680, 900, 1275, 525);
        row("Command5", "Frame1", 90, 210, 285, 225);
        row("Command6", "Frame1", 375, 210, 285, 225);
        row("Text2", "Frame1", 750, 195, 420, 255);
        row("Check2", "main", 3060, 180, 1470, 225);
        row("Command7", "main", 4635, 180, 1005, 225);
        row("Command8", "main", 3060, 465, 2580, 225);
        row("Text1", "main", 3045, 750, 2580, 675);
        row("Label2", "main", 3330, 1545, 705, 270);
        row("Text3", "main", 4065, 1500, 675, 285);
        row("Command1", "main", 195, 1500, 900, 270);
        row("Command3", "main", 1095, 1500, 1185, 270);
        row("Command2", "main", 2280, 1500, 975, 270);
        row("Command4", "main", 4800, 1500, 825, 270);
        row("Label9", "main", 0, 1845, 5715, 255);
    }
    void controlsSitWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, place);
        const QWidget* control = find<QWidget>(*editor_->window, name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), place);
    }

    void groupBoxFramesEncloseTheirControls_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("topmost");
        QTest::newRow("Höhe") << "Frame1"
                              << "Text2";
        QTest::newRow("position") << "Frame2"
                                  << "Label7";
    }
    void groupBoxFramesEncloseTheirControls() {
        QFETCH(QString, box);
        QFETCH(QString, topmost);
        QWidget* frame = find<QWidget>(*editor_->window, box);
        const QWidget* child = find<QWidget>(*editor_->window, topmost);
        QVERIFY(frame != nullptr && child != nullptr);
        // The top line, looked for right of any caption and any control.
        const QImage shot = frame->grab().toImage();
        const QRgb background = frame->palette().color(QPalette::Window).rgb();
        const int x = frame->width() - 3;
        int topLine = 0;
        while (topLine < shot.height() && shot.pixel(x, topLine) == background) {
            ++topLine;
        }
        QVERIFY2(
            topLine < child->y(),
            qPrintable(QStringLiteral("the top line at %1 crosses %2").arg(topLine).arg(topmost)));
    }

    void cellsAndRowCaptionsFormTheGrid() {
        for (int i = 0; i < CellCount; ++i) {
            const int row = i / 8;
            const int column = i % 8;
            QCOMPARE(editor_->cells[i]->parentWidget(), editor_->window.get());
            QCOMPARE(editor_->cells[i]->geometry(),
                     FromTwips(195 + 135 * column, 210 + 135 * row, 150, 150));
        }
        // 10 pixels wide at a pitch of 9: neighbours share one pixel.
        QCOMPARE(editor_->cells[0]->geometry(), QRect(13, 14, 10, 10));
        QCOMPARE(editor_->cells[1]->x() - editor_->cells[0]->x(), 9);
        QCOMPARE(editor_->cells[8]->y() - editor_->cells[0]->y(), 9);
        QCOMPARE(editor_->cells[0]->geometry().intersected(editor_->cells[1]->geometry()).width(),
                 1);
        QCOMPARE(editor_->cells[71]->geometry(), QRect(76, 86, 10, 10));

        for (int row = 0; row < Rows; ++row) {
            const int height = row == 2 || row == 8 ? 150 : 135;
            QCOMPARE(editor_->rowCaptions[row]->geometry(),
                     FromTwips(1350, 195 + 135 * row, 315, height));
        }
    }

    void linesFrameTheGrid_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        const auto line = [](const char* name, int x1, int y1, int x2, int y2) {
            QTest::newRow(name) << name << QPoint(x1 / 15, y1 / 15) << QPoint(x2 / 15, y2 / 15);
        };
        line("Line1", 735, 150, 735, 195);
        line("Line2", 180, 195, 180, 1455);
        line("Line3", 180, 195, 1305, 195);
        line("Line4", 1290, 1440, 1290, 195);
        line("Line5", 180, 1440, 1290, 1440);
    }
    void linesFrameTheGrid() {
        QFETCH(QString, name);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        const QWidget* line = find<QWidget>(*editor_->window, name);
        QVERIFY(line != nullptr);
        // One pixel wide, both end points included.
        const QPoint topLeft(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
        const QPoint bottomRight(std::max(from.x(), to.x()), std::max(from.y(), to.y()));
        QCOMPARE(line->geometry(), QRect(topLeft, bottomRight));

        const QImage shot = editor_->window->grab().toImage();
        const QRgb ink = editor_->window->palette().color(QPalette::WindowText).rgb();
        QCOMPARE(shot.pixel(from), ink);
        QCOMPARE(shot.pixel(to), ink);
    }

    void tabWalksTheControlsInOrder() {
        const QStringList order = {"Text1",    "Command1", "Command2", "Command3", "Command4",
                                   "Command5", "Command6", "Text2",    "Command7", "Check2",
                                   "Command8", "Text3",    "Text1"};
        QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
        for (qsizetype step = 1; step < order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[step]);
        }
    }

    void enterAndEscapeInATextBoxPressNoButton_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter in the name") << "Text3" << Qt::Key_Return;
        QTest::newRow("keypad Enter in the name") << "Text3" << Qt::Key_Enter;
        QTest::newRow("Escape in the name") << "Text3" << Qt::Key_Escape;
        QTest::newRow("Enter in the height") << "Text2" << Qt::Key_Return;
        QTest::newRow("Escape in the declaration") << "Text1" << Qt::Key_Escape;
    }
    void enterAndEscapeInATextBoxPressNoButton() {
        QFETCH(QString, box);
        QFETCH(Qt::Key, key);
        std::vector<std::unique_ptr<QSignalSpy>> clicks;
        for (QPushButton* button : editor_->commands) {
            clicks.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
        }
        QSignalSpy ticks(editor_->check2(), &QCheckBox::clicked);
        QWidget* target = find<QWidget>(*editor_->window, box);
        QVERIFY(target != nullptr);
        target->setFocus();

        QTest::keyClick(target, key);

        for (std::size_t i = 0; i < clicks.size(); ++i) {
            QVERIFY2(clicks[i]->isEmpty(), qPrintable(editor_->commands[i]->objectName()));
        }
        QVERIFY(ticks.isEmpty());
        QCOMPARE(editor_->window->state(), WindowState{});
        QVERIFY(editor_->window->isVisible());
    }

    void enterInTheDeclarationStartsANewLine() {
        QPlainTextEdit* text1 = editor_->text1();
        QTest::keyClick(text1, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(text1, Qt::Key_Return);
        QTest::keyClicks(text1, "x");

        QCOMPARE(text1->toPlainText(), StartBoxText() + "\nx");
        QCOMPARE(editor_->window->state().Text1,
                 "static unsigned char bild[] = "
                 "{0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n\r\nx");
        QCOMPARE(QApplication::focusWidget(), text1);
    }

    void theHeightCanBeSelectedButNotTyped() {
        QLineEdit* text2 = editor_->text2();
        QVERIFY(text2->isReadOnly());
        QVERIFY(text2->alignment().testFlag(Qt::AlignHCenter));
        QCOMPARE(text2->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));

        text2->setFocus();
        QTest::keyClick(text2, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(text2, "5");
        QTest::keyClick(text2, Qt::Key_Backspace);
        QCOMPARE(text2->text(), "9");
        QCOMPARE(text2->selectedText(), "9");
        QCOMPARE(editor_->window->state().Text2, "9");
    }

private:
    std::unique_ptr<Editor> editor_;
};

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
