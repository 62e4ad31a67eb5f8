#pragma once

#include "held_space.h"
#include "mirror.h"
#include "platform.h"
#include "window_state.h"

#include <QWidget>

#include <array>
#include <string_view>

class QPushButton;

namespace kobalin {

class CellGrid;

// The editor's one window. It builds the controls and wires them: every user event goes to
// its handler, then the state is shown; what the user types and ticks is taken (Mirror).
class EditorWindow : public QWidget {
    Q_OBJECT

public:
    explicit EditorWindow(Platform& platform);

    const WindowState& state() const { return state_; }

private:
    template <typename Widget> Widget* place(std::string_view name);
    Readout placeReadout(std::string_view name);
    void placeCommand(int number, const QString& caption);
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

    QPushButton* command(int number) const { return commands_[std::size_t(number - 1)]; }

    Platform& platform_;
    HeldSpace heldSpace_;
    WindowState state_;
    Mirror mirror_;

    CellGrid* cells_ = nullptr;
    std::array<QPushButton*, 8> commands_{}; // Command1 to Command8
};

} // namespace kobalin
