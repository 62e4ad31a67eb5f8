#pragma once

#include "platform.h"
#include "window_state.h"

#include <QWidget>

#include <array>
#include <string_view>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kobalin {

class CellGrid;

// The editor's one window. It builds the controls, hands every user event to
// its handler, and then shows the window state: only what changed is touched.
// The user's own typing and ticking are the only way from a control into the
// state.
class EditorWindow : public QWidget {
    Q_OBJECT

public:
    explicit EditorWindow(Platform& platform);

    const WindowState& state() const { return state_; }

    static constexpr qsizetype MaxDeclarationCharacters = 100;
    static constexpr qsizetype MaxNameCharacters = 10;

private:
    template <typename Widget> Widget* place(std::string_view name);
    QPushButton* placeCommand(int number, const QString& caption);
    void buildRowCaptions();
    void buildLines();
    void buildPointerBox();
    void buildHeightBox();
    void buildTopCommands();
    void buildTextBoxes();
    void buildSpriteCommands();
    void buildCredits();
    void connectEvents();
    void setFocusOrder();

    template <typename Handler> void handle(Handler handler);
    void mirror();
    void mirrorCells();
    void mirrorCaptions();
    void mirrorBoxes();

    void takeTypedDeclaration();
    void takeTypedName(qsizetype endOfChange);

    QPushButton* command(int number) const { return commands_[std::size_t(number - 1)]; }

    Platform& platform_;
    WindowState state_;
    WindowState shown_; // what the controls show now

    CellGrid* cells_ = nullptr;
    std::array<QLabel*, Rows> rowCaptions_{};
    std::array<QPushButton*, 8> commands_{}; // Command1 to Command8
    QLabel* column_ = nullptr;               // Label3
    QLabel* row_ = nullptr;                  // Label4
    QLabel* highNibble_ = nullptr;           // Label5
    QLabel* lowNibble_ = nullptr;            // Label6
    QPlainTextEdit* declaration_ = nullptr;  // Text1
    QLineEdit* height_ = nullptr;            // Text2
    QLineEdit* name_ = nullptr;              // Text3
    QCheckBox* grid_ = nullptr;              // Check2
};

} // namespace kobalin
