#pragma once

#include "cell_widget.h"
#include "editor_window.h"
#include "qt_platform.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

// The window's layout is written down in twips; 15 twips make one pixel.
inline QRect FromTwips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

// The control named name, or a failed check that names what is missing.
template <class T> T* find(const QWidget& window, const QString& name) {
    auto* widget = window.findChild<T*>(name);
    if (widget == nullptr) {
        const QString missing = QStringLiteral("the window has no %1 named \"%2\"")
                                    .arg(QLatin1String(T::staticMetaObject.className()), name);
        QTest::qFail(qPrintable(missing), __FILE__, __LINE__);
    }
    return widget;
}

// The real window on the real desktop services, with its controls looked up
// by name. A failed look-up has been reported when the constructor returns.
struct Editor {
    explicit Editor(
        std::unique_ptr<kobalin::QtPlatform> desktop = std::make_unique<kobalin::QtPlatform>())
        : platform(std::move(desktop)), window(std::make_unique<kobalin::EditorWindow>(*platform)) {
        for (int i = 0; i < kobalin::CellCount; ++i) {
            cells[i] = find<kobalin::CellWidget>(*window, QStringLiteral("Picture1_%1").arg(i));
        }
        for (int row = 0; row < kobalin::Rows; ++row) {
            rowCaptions[row] = find<QLabel>(*window, QStringLiteral("Label1_%1").arg(row));
        }
        for (int i = 0; i < 8; ++i) {
            commands[i] = find<QPushButton>(*window, QStringLiteral("Command%1").arg(i + 1));
        }
        for (int number = 2; number <= 9; ++number) {
            label(number);
        }
        text1();
        text2();
        text3();
        check2();
    }

    QLabel* label(int number) const {
        return find<QLabel>(*window, QStringLiteral("Label%1").arg(number));
    }
    QPushButton* command(int number) const { return commands[number - 1]; }
    QPlainTextEdit* text1() const { return find<QPlainTextEdit>(*window, "Text1"); }
    QLineEdit* text2() const { return find<QLineEdit>(*window, "Text2"); }
    QLineEdit* text3() const { return find<QLineEdit>(*window, "Text3"); }
    QCheckBox* check2() const { return find<QCheckBox>(*window, "Check2"); }

    // Mouse input goes through the window, as from the desktop, so that Qt
    // itself decides which cell receives it (grabs, double clicks).
    QPoint centreOf(const QWidget* widget) const {
        return widget->mapTo(window.get(), widget->rect().center());
    }
    void click(const QWidget* widget, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mouseClick(window->windowHandle(), button, {}, centreOf(widget));
    }
    void moveOver(const QWidget* widget) const {
        QTest::mouseMove(window->windowHandle(), centreOf(widget));
    }

    std::unique_ptr<kobalin::QtPlatform> platform;
    std::unique_ptr<kobalin::EditorWindow> window;
    std::array<kobalin::CellWidget*, kobalin::CellCount> cells{};
    std::array<QLabel*, kobalin::Rows> rowCaptions{};
    std::array<QPushButton*, 8> commands{};
};

// Opens the editor as the program does and waits until it can take input.
inline std::unique_ptr<Editor>
OpenEditor(std::unique_ptr<kobalin::QtPlatform> desktop = std::make_unique<kobalin::QtPlatform>()) {
    auto editor = std::make_unique<Editor>(std::move(desktop));
    editor->window->show();
    if (!QTest::qWaitForWindowActive(editor->window.get())) {
        QTest::qFail("the editor window did not become active", __FILE__, __LINE__);
    }
    return editor;
}

// What a message box showed, captured while it was open.
struct BoxSeen {
    bool seen = false;
    QString name;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QList<QMessageBox::StandardButton> buttons;
};

// Waits for a modal message box to open, notes what it shows, then hands it
// to answer. Any box is answered, so that a wrong one fails the test rather
// than blocking it. Keep the object alive until the box was answered.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::function<void(QMessageBox*)> answer) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            timer_.stop();
            seen_ = {true,        box->objectName(),
                     box->text(), box->windowTitle(),
                     box->icon(), box->standardButton(box->defaultButton()),
                     {}};
            for (QAbstractButton* button : box->buttons()) {
                seen_.buttons.append(box->standardButton(button));
            }
            answer(box);
        });
        timer_.start();
    }

    const BoxSeen& seen() const { return seen_; }

private:
    QTimer timer_;
    BoxSeen seen_;
};

inline std::function<void(QMessageBox*)> ClickButton(QMessageBox::StandardButton which) {
    return [which](QMessageBox* box) {
        if (QAbstractButton* button = box->button(which)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            box->done(QMessageBox::Cancel); // not the box expected: the test checks which it was
        }
    };
}

inline void PressEscape(QMessageBox* box) {
    QTest::keyClick(box, Qt::Key_Escape);
}

inline QString StartBoxText() {
    return QStringLiteral("static unsigned char bild[] = "
                          "{0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\n");
}

inline void PutOnClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}
