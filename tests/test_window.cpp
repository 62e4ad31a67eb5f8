// The real window on the offscreen platform, for what the random sessions do not reach: its
// place on the desktop, the names a screen reader hears, the dialogs' texts, the boxes' limits.
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

    // Each control named for a screen reader, every caption whole; a cell's press named Space.
    void everyControlIsNamedAndReadsWhole() {
        const auto cell = Accessible(*window, "Picture1_0")->actionInterface();
        QCOMPARE(cell->keyBindingsForAction(cell->pressAction()), QStringList{"Space"});
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

    // What fits the boxes, counted as characters are seen; the height box takes nothing; the
    // copy is plain text only.
    void boxesTakeWhatFitsAndCopyPlainText() {
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
        Click(*window, "Command8");
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
