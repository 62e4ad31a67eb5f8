// The real window on the offscreen platform: its widgets, keys, colours, dialogs and clipboard.
#include "editor_window.h"
#include "qt_platform.h"

#include <QTest>
#include <QtWidgets>

using namespace kobalin;

namespace {

template <typename Widget = QWidget> Widget* Control(const QWidget& window, const QString& name) {
    auto* widget = window.findChild<Widget*>(name);
    if (widget == nullptr) {
        throw std::logic_error("no control " + name.toStdString());
    }
    return widget;
}

QString Caption(const QWidget& window, const QString& name) {
    return Control<QLabel>(window, name)->text();
}

QAccessibleInterface* Accessible(const QWidget& window, const QString& name) {
    return QAccessible::queryAccessibleInterface(Control(window, name));
}

// How many pixels a control's text or title needs beyond its room (beside the
// tick box, in a check box); the last glyph's spacing pixel may fall outside.
int Overflow(const QWidget& control) {
    const QString caption =
        control.property("text").toString() + control.property("title").toString();
    int room = control.width();
    if (qobject_cast<const QCheckBox*>(&control) != nullptr) {
        room -= control.style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                control.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    }
    return control.fontMetrics().horizontalAdvance(caption) - 1 - room;
}

void Click(const QWidget& window, const QString& name) {
    QTest::mouseClick(Control(window, name), Qt::LeftButton);
}

// Where the user points at the cell in row and column: its centre, laid out in twips.
QPoint CellCentre(int row, int column) {
    return QPoint(195 + 135 * column + 75, 210 + 135 * row + 75) / 15;
}

// What the screen shows of a control, once its window is repainted.
QImage OnScreen(const QWidget* control) {
    QCoreApplication::processEvents();
    const QImage window = control->screen()->grabWindow(control->window()->winId()).toImage();
    return window.copy(QRect(control->mapTo(control->window(), QPoint()), control->size()));
}

// The colours a control's text is painted in and on, from the palette it paints with.
std::pair<QColor, QColor> TextAndUnder(const QWidget& control) {
    const QPalette& palette = control.palette();
    if (qobject_cast<const QLineEdit*>(&control) != nullptr ||
        qobject_cast<const QPlainTextEdit*>(&control) != nullptr) {
        return {palette.color(QPalette::Text), palette.color(QPalette::Base)};
    }
    if (qobject_cast<const QPushButton*>(&control) != nullptr) {
        return {palette.color(QPalette::ButtonText), palette.color(QPalette::Button)};
    }
    return {palette.color(QPalette::WindowText), palette.color(QPalette::Window)};
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

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

    // Each test starts with a window of its own on the real desktop.
    QtPlatform platform;
    std::unique_ptr<EditorWindow> window;

private slots:
    void init() {
        window = std::make_unique<EditorWindow>(platform);
        platform.setDialogParent(window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup() { QApplication::setPalette(QPalette()); } // the desktop's own scheme again

    // The window at a fixed size, centred, with its icon; cells overlapping by a pixel, so that
    // their frames fall on one line; the row bytes monospaced; the height centred in its box.
    void windowMeetsTheDesktop() {
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const QRect first = Control(*window, "Picture1_0")->geometry();
        QCOMPARE(first.intersected(Control(*window, "Picture1_9")->geometry()).size(), QSize(1, 1));
        const QPoint offCentre =
            window->geometry().center() - window->screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 1); // an odd width cannot centre exactly
        QCOMPARE(window->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
        QVERIFY(QFontInfo(Control(*window, "Label1_0")->font()).fixedPitch());
        const QImage box = Control(*window, "Text2")->grab().toImage();
        QString middle; // the box's middle row, 'x' where the digit crosses it
        for (int x = 0; x < box.width(); ++x) {
            middle += qGray(box.pixel(x, box.height() / 2)) < 64 ? 'x' : '.';
        }
        QVERIFY(std::abs(middle.indexOf('x') + middle.lastIndexOf('x') + 1 - box.width()) <= 2);
    }

    // With the keyboard alone: Tab reaches the visible cells after "aktualisieren", the arrows
    // move over them to the edge, Space presses once however long it is held, and a screen
    // reader hears Space as the key; Enter and Escape do nothing. A ring inside the grid's
    // frame marks the focused cell, black or white, and goes with the focus.
    void keyboardAloneReachesAndPressesTheCells() {
        for (int lower = 0; lower < 7; ++lower) {
            Click(*window, "Command5"); // two rows left
        }
        Click(*window, "Check2");
        QCOMPARE(Control<QLineEdit>(*window, "Text2")->text(), "2");
        QVERIFY(!Control(*window, "Label1_2")->isVisible());
        Control(*window, "Text1")->setFocus();
        const auto focused = [] {
            return QApplication::focusWidget()->objectName().remove("Picture1_");
        };
        QStringList visited{focused()};
        for (int tab = 0; tab < 28; ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focused();
        }
        QCOMPARE(visited.join(' '), "Text1 Command1 Command2 Command3 Command4 Command5 Command6 "
                                    "Text2 Command7 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 Check2 "
                                    "Command8 Text3 Text1");

        Control(*window, "Picture1_8")->setFocus(Qt::TabFocusReason);
        QList<Qt::Key> keys{Qt::Key_Left, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up};
        keys << QList<Qt::Key>(8, Qt::Key_Right) << Qt::Key_Down << Qt::Key_Left;
        visited.clear();
        for (const Qt::Key key : keys) {
            QTest::keyClick(QApplication::focusWidget(), key);
            visited << focused();
        }
        QCOMPARE(visited.join(' '), "8 8 0 0 1 2 3 4 5 6 7 7 15 14");
        QWidget* cell = QApplication::focusWidget();
        QTest::keyPress(cell, Qt::Key_Space);
        QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(cell, &repeated);
        QTest::keyRelease(cell, Qt::Key_Space);
        const WindowState pressed = window->state();
        QTest::keyClick(cell, Qt::Key_Return);
        QTest::keyClick(cell, Qt::Key_Escape);
        Accessible(*window, "Picture1_71")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(window->state() == pressed);
        QCOMPARE(Caption(*window, "Label1_1") + ' ' + Caption(*window, "Label3") + ' ' +
                     Caption(*window, "Label4"),
                 "02 7 2");
        const auto spoken = QAccessible::queryAccessibleInterface(cell)->actionInterface();
        QCOMPARE(spoken->keyBindingsForAction(spoken->pressAction()), QStringList{"Space"});
        for (int ring = 0; ring < 2; ++ring) { // on the black cell, then the white one beside it
            const QImage seen = OnScreen(QApplication::focusWidget());
            const QRgb fill = seen.pixel(5, 5);
            QCOMPARE(seen.pixel(0, 0), qRgb(0, 0, 0)); // the frame
            QVERIFY(Contrast(seen.pixel(1, 1), fill) >= 3);
            QVERIFY(Contrast(seen.pixel(1, 1), seen.pixel(0, 0)) >= 3);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        }
        Control(*window, "Text1")->setFocus();
        QApplication::setCursorFlashTime(0); // the text cursor as steady as in a grab
        QTRY_COMPARE(OnScreen(window.get()), window->grab().toImage());
        Click(*window, "Command6"); // row 3 comes back framed
        QCOMPARE(OnScreen(Control(*window, "Picture1_16")).pixel(0, 0), qRgb(0, 0, 0));
    }

    // Any button presses the cell under the pointer, which turns black; its
    // column and row show from 1, the row's byte in capitals.
    void pressAndMoveReachTheCellUnderThePointer() {
        for (const int column : {0, 2, 4, 5, 7}) {
            QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, CellCentre(2, column));
        }
        QCOMPARE(Caption(*window, "Label1_2"), "AD");
        QCOMPARE(Caption(*window, "Label5") + ' ' + Caption(*window, "Label6"), "1010 1101");
        QCOMPARE(Control(*window, "Picture1_23")->grab().toImage().pixel(5, 5), qRgb(0, 0, 0));
        QCOMPARE(QApplication::focusWidget()->objectName(), "Text1"); // where the user types
        QTest::mouseMove(window->windowHandle(), CellCentre(7, 2));
        QCOMPARE(Caption(*window, "Label3") + ' ' + Caption(*window, "Label4"), "3 8");
    }

    // Under a light and a dark scheme: each control named for a screen reader, every caption
    // whole and reading at WCAG's 4.5:1 on what is under it, the grid's frame on a white cell.
    void everyControlIsNamedAndReadsWhole_data() {
        QTest::addColumn<QPalette>("scheme");
        QTest::newRow("light") << QPalette();
        QTest::newRow("dark") << QPalette(QColor(0x2D, 0x2D, 0x2D));
    }

    void everyControlIsNamedAndReadsWhole() {
        QFETCH(QPalette, scheme);
        QApplication::setPalette(scheme);
        QCoreApplication::processEvents(); // the scheme reaches the controls
        Click(*window, "Check2");
        const QImage framed = Control(*window, "Picture1_0")->grab().toImage();
        QVERIFY(Contrast(framed.pixel(0, 0), framed.pixel(5, 5)) >= 3);
        QCOMPARE(QAccessible::queryAccessibleInterface(window.get())->role(), QAccessible::Window);
        QStringList heard;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")) {
                continue; // the parts of Qt's own text box
            }
            QAccessibleInterface* spoken = Accessible(*window, control->objectName());
            const QString name = spoken->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(Overflow(*control) <= 0, qPrintable(name));
            if (control->objectName().startsWith("Picture1_")) {
                continue;
            }
            const auto [text, under] = TextAndUnder(*control);
            QVERIFY2(Contrast(text.rgb(), under.rgb()) >= 4.5, qPrintable(name));
            heard << name;
            for (const auto& [label, relation] : spoken->relations(QAccessible::Label)) {
                heard.last() += " (" + label->text(QAccessible::Name) + ')';
            }
        }
        QCOMPARE(
            heard.join(" | "),
            "Zeile 1: 00 | Zeile 2: 00 | Zeile 3: 00 | Zeile 4: 00 | Zeile 5: 00 | "
            "Zeile 6: 00 | Zeile 7: 00 | Zeile 8: 00 | Zeile 9: 00 | "
            "Grenze der Halbbytes | Rasterrand links | Rasterrand oben | "
            "Rasterrand rechts | Rasterrand unten | Position und Halbbytes | "
            "x: | x: 0 (x:) | y: | y: 0 (y:) | Spalten 1 bis 4: 0000 | Spalten 5 bis 8: 0000 | "
            "Höhe | Höhe verringern (Höhe) | Höhe erhöhen (Höhe) | Höhe (Höhe) | "
            "Raster anzeigen | aktualisieren | In die Zwischenablage kopieren | Deklaration | "
            "VarName: | VarName: (VarName:) | neu | neu (schwarz) | invertieren | Beenden | "
            " Kobalin 1.00 – Sprites 8 × 1 bis 9 für C-Programme");
    }

    // The question (Escape answers No) and the error boxes as the user sees them: a refused
    // clipboard is said and the editor goes on; a fault in a handler is said and ends it.
    void dialogsSayExactlyWhatHappens() {
        struct Clipboard : QtPlatform {
            bool faulty = false;
            bool putOnClipboard(const std::string&) override {
                if (faulty) {
                    throw std::runtime_error("Fehler beim Kopieren");
                }
                return false;
            }
        };
        Clipboard clipboard;
        EditorWindow own(clipboard);
        clipboard.setDialogParent(&own);
        QStringList seen;
        const auto readAndEscape = [&] { // title, icon, text and buttons, the default marked
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const QMetaEnum buttons = QMetaEnum::fromType<QMessageBox::StandardButtons>();
            seen << box->windowTitle() + " | " +
                        QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon()) + " | " +
                        box->text();
            for (QAbstractButton* button : box->buttons()) {
                seen.last() += QString(" | ") + buttons.valueToKey(box->standardButton(button));
                seen.last() += button == box->defaultButton() ? " (default)" : "";
            }
            QTest::keyClick(box, Qt::Key_Escape);
        };
        QTimer::singleShot(0, &own, readAndEscape);
        Click(own, "Command3");
        QCOMPARE(Caption(own, "Label1_0"), "00"); // No
        QTimer::singleShot(0, &own, readAndEscape);
        Click(own, "Command8");
        clipboard.faulty = true;
        QTimer::singleShot(0, &own, [&] { Click(own, "Command8"); });
        QTimer::singleShot(0, &own, readAndEscape); // in the error box the click opens
        QTimer::singleShot(10000, &own, [] { QCoreApplication::exit(-1); }); // it did not end
        QCOMPARE(QApplication::exec(), EXIT_FAILURE);
        QCOMPARE(seen.join('\n'),
                 "Kobalin | NoIcon | Sind Sie sicher? | Yes (default) | No\n"
                 "Kobalin | Critical | Die Zwischenablage konnte nicht beschrieben werden. | Ok\n"
                 "Kobalin | Critical | Fehler beim Kopieren | Ok");
    }

    void clipboardGetsTheDeclarationAsTypedAndAsPlainTextOnly() {
        QWidget* declaration = Control(*window, "Text1");
        QTest::keyClick(declaration, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(declaration, QStringLiteral("a\u00A0b"));
        QTest::keyClick(declaration, Qt::Key_Return); // a new line
        Click(*window, "Command8");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\u00A0b\r\n"));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    }

    void textBoxesTakeWhatFitsAndTheHeightBoxNothing() {
        const auto paste = [&](const QString& box, const QString& pasted, const QString& typed) {
            QWidget* edit = Control(*window, box);
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClicks(edit, typed);
            const WindowState& state = window->state();
            return QString::fromStdString(box == "Text1" ? state.Text1 : state.Text3);
        };
        const QString emoji = QStringLiteral("\U0001F600");
        QCOMPARE(paste("Text3", "ab\ncd\te", ""), "abcde");
        QCOMPARE(paste("Text3", emoji.repeated(11), ""), emoji.repeated(10));
        QCOMPARE(paste("Text1", QString(99, 'x') + emoji + emoji, "y"), QString(99, 'x') + emoji);
        Accessible(*window, "Text1")->editableTextInterface()->insertText(0, "z");
        QCOMPARE(QString::fromStdString(window->state().Text1), QString(99, 'x') + emoji); // full
        QTest::keyClicks(Control(*window, "Text2"), "5");
        Accessible(*window, "Text2")->editableTextInterface()->replaceText(0, 1, "5");
        QCOMPARE(Control<QLineEdit>(*window, "Text2")->text(), "9");
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
