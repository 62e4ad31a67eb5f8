#pragma once

#include "editor_window.h"
#include "qt_platform.h"
#include "reference_model.h"

#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kobalin {
class CellWidget;
}

// How the user answers the question "Sind Sie sicher?": with a button, by
// closing the box (QWidget::close()), or with the close button of its title
// bar, which reaches the box as a close event on its window.
enum class Reply { Yes, No, Close, CloseButton };

// A fresh, shown editor window with a real QtPlatform, driven the way a user
// drives it: pointer events go through the window as the window system
// delivers them, keys to the box being edited, and the question box is
// answered with its own buttons. Controls are found by their object names.
class EditorDriver {
public:
    EditorDriver();
    ~EditorDriver();
    EditorDriver(const EditorDriver&) = delete;
    EditorDriver& operator=(const EditorDriver&) = delete;

    // Pointer, at points of the window's client area (never (0,0), which
    // Qt Test takes for the middle of the window). hover() tells whether the
    // pointer moved at all: one that stays where it is reports nothing.
    void click(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void doubleClick(QPoint point, Qt::MouseButton button);
    void drag(QPoint from, const std::vector<QPoint>& path, Qt::MouseButton button);
    bool hover(QPoint point);

    void clickButton(const char* name);
    void clickAndReply(const char* name, Reply reply);
    void toggleGrid(bool byKeyboard);

    // The editable boxes, and the read-only height box.
    void typeName(reference::Place where, std::size_t offset, const reference::Text& text);
    void pasteName(reference::Place where, std::size_t offset, const reference::Text& text);
    void typeDeclaration(reference::Place where, std::size_t offset, const reference::Text& text);
    void pasteDeclaration(reference::Place where, std::size_t offset, const reference::Text& text);
    void typeHeight(const reference::Text& text);

    // Everything the window shows that differs from the model, and anything
    // that went wrong with the dialogs since the last call; empty when all agree.
    QStringList differencesFrom(const reference::EditorModel& model);

    QLineEdit* nameBox() const { return name_; }
    QPlainTextEdit* declarationBox() const { return declaration_; }

private:
    template <typename Widget> Widget* control(const QString& name) const;
    void guarded(const std::function<void()>& action, std::optional<Reply> reply);
    void watchDialogs();
    void paint();
    void placeInName(reference::Place where, std::size_t offset);
    void placeInDeclaration(reference::Place where, std::size_t offset);
    QWindow* handle() const;

    kobalin::QtPlatform platform_;
    std::unique_ptr<kobalin::EditorWindow> window_;
    std::array<kobalin::CellWidget*, reference::CellCount> cells_{};
    std::array<QLabel*, reference::Rows> rowCaptions_{};
    QLabel* column_ = nullptr;
    QLabel* row_ = nullptr;
    QLabel* highNibble_ = nullptr;
    QLabel* lowNibble_ = nullptr;
    QPlainTextEdit* declaration_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* name_ = nullptr;
    QCheckBox* grid_ = nullptr;
    QPoint pointer_; // where the last pointer event put the pointer

    // While an action runs, the watch answers the expected question and
    // closes (and reports) any other dialog, so that no modal box can hang a test.
    QTimer dialogWatch_;
    std::optional<Reply> expectedReply_;
    int questionsAnswered_ = 0;
    QStringList problems_;

    static constexpr int PaintEvery = 40;
    int actions_ = 0;
};
