// The real window on the offscreen platform, for what only the window can get
// wrong: its widgets, keys, dialogs, clipboard, text limits and ending.
#include "editor_window.h"
#include "qt_platform.h"
#include "test_support.h"

#include <QtWidgets>

using namespace kobalin;

namespace {

template <typename Widget = QWidget> Widget* Control(const QWidget& window, const QString& name) {
    auto* widget = window.findChild<Widget*>(name);
    return widget != nullptr ? widget : throw std::logic_error("no control " + name.toStdString());
}

QString Caption(const QWidget& window, const QString& name) {
    return Control<QLabel>(window, name)->text();
}

void Click(const QWidget& window, const QString& name, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Control(window, name), button);
}

// How wide a caption's dark ink is, drawn as the window draws it.
int InkWidth(const QWidget* control, const QString& text) {
    QImage image(400, 40, QImage::Format_Grayscale8); // rows without padding
    image.fill(255);
    QPainter painter(&image);
    painter.setFont(control->font());
    painter.drawText(0, 30, text);
    int width = 0;
    for (int pixel = 0; pixel < image.width() * image.height(); ++pixel) {
        width = image.constBits()[pixel] < 128 ? std::max(width, pixel % image.width() + 1) : width;
    }
    return width;
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void windowCellsCaptionsAndKeys() {
        FakePlatform platform;
        EditorWindow window(platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), "Kobalin Version 1.00");
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(QApplication::focusWidget(), Control(window, "Text1"));

        Click(window, "Picture1_23", Qt::RightButton);
        QCOMPARE(Caption(window, "Label1_2") + Caption(window, "Label5") +
                     Caption(window, "Label6"),
                 "0100000001");
        QTest::mouseMove(Control(window, "Picture1_63"));
        QCOMPARE(Caption(window, "Label3") + Caption(window, "Label4"), "88");
        Click(window, "Check2");
        QCOMPARE(Control(window, "Picture1_0")->grab().toImage().pixel(0, 0), qRgb(0, 0, 0));
        Click(window, "Command5");
        QVERIFY(!Control(window, "Picture1_71")->isVisible());
        QVERIFY(!Control(window, "Label1_8")->isVisible());
        QCOMPARE(Control<QLineEdit>(window, "Text2")->text(), "8");

        // Neighbouring cells share their edge pixels, and no caption is cut off.
        const QRect first = Control(window, "Picture1_0")->geometry();
        QCOMPARE(first.intersected(Control(window, "Picture1_9")->geometry()).size(), QSize(1, 1));
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            QVERIFY2(InkWidth(label, label->text()) <= label->width(), qPrintable(label->text()));
        }
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            const auto contents = qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
                                                                   : QStyle::SE_PushButtonContents;
            const QRect room = button->style()->subElementRect(contents, &option, button);
            QVERIFY2(InkWidth(button, button->text()) <= room.width(), qPrintable(button->text()));
        }

        WindowState expected = window.state();
        for (const char* box : {"Text3", "Text1"}) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                QTest::keyClick(Control(window, box), key);
            }
        }
        expected.Text1 = window.state().Text1; // now with the line breaks typed
        QVERIFY(window.state() == expected);   // no button was pressed
        QCOMPARE(platform.questions + platform.quits, 0);
        QVERIFY(platform.clipboard.empty());
    }

    void questionAnswered() {
        QtPlatform platform;
        EditorWindow window(platform);
        platform.setDialogParent(&window);
        window.show();
        const auto answer = [&](const char* command, const QString& answer, const char* row) {
            bool yesIsDefault = false;
            QTimer::singleShot(0, &window, [&] {
                auto* box = Control<QMessageBox>(window, "question");
                yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
                if (answer == "No") {
                    box->button(QMessageBox::No)->click();
                } else {
                    QTest::keyClick(box, answer == "Return" ? Qt::Key_Return : Qt::Key_Escape);
                }
            });
            Click(window, command);
            QVERIFY(yesIsDefault);
            QCOMPARE(Caption(window, "Label1_0"), row);
        };
        answer("Command3", "Escape", "00");
        answer("Command3", "No", "00");
        answer("Command3", "Return", "FF"); // the default, Yes
    }

    void textBoxesAndClipboard() {
        QtPlatform platform;
        EditorWindow window(platform);
        window.show();
        Click(window, "Command8");
        const std::string start = Declaration("bild", std::vector<int>(Rows, 0)) + "\r\n";
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(start));

        const auto paste = [&](const QString& box, const QString& pasted, const QString& typed) {
            QWidget* edit = Control(window, box);
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClicks(edit, typed);
            const WindowState& state = window.state();
            return QString::fromStdString(box == "Text1" ? state.Text1 : state.Text3);
        };
        const QString emoji = QStringLiteral("\U0001F600");
        QCOMPARE(paste("Text3", "", "abcdefghijkl"), "abcdefghij");
        QCOMPARE(paste("Text3", "ab\ncd\te", ""), "abcde");
        QCOMPARE(paste("Text3", emoji.repeated(11), ""), emoji.repeated(10));
        QCOMPARE(paste("Text1", QString(150, 'x'), ""), QString(100, 'x'));
        QCOMPARE(paste("Text1", QString(99, 'x') + emoji + emoji, "y"), QString(99, 'x') + emoji);

        paste("Text1", "", QStringLiteral("a\u00A0b")); // typed
        QTest::keyClick(Control(window, "Text1"), Qt::Key_Return);
        Click(window, "Command8");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\u00A0b\r\n"));
    }

    // "Beenden", closing the window, and a fault in a handler, which is shown.
    void endsTheProgram() {
        for (const auto& [control, status] : {std::pair{"Command4", 0}, {"", 0}, {"Command8", 1}}) {
            FakePlatform platform;
            platform.faultyClipboard = true;
            EditorWindow window(platform);
            window.show();
            QTimer::singleShot(0, &window, [&] {
                *control == '\0' ? void(window.close()) : Click(window, control);
            });
            QTimer::singleShot(10000, &window, [] { QCoreApplication::exit(-1); }); // did not end
            QCOMPARE(QApplication::exec(), status);
            QCOMPARE(platform.errors, status);
        }
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
