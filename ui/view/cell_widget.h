#pragma once

#include "window_state.h"

#include <QWidget>

namespace kobalin {

// One cell of the grid: paints exactly its fill colour, with a one-pixel
// frame when its border is on and a mark while it has the keyboard focus. It
// reports presses (any mouse button, Space, or the press action of assistive
// technology) and pointer moves together with its index. It takes the focus
// from the keyboard only, so that painting with the mouse leaves the focus in
// the box the user is typing in.
class CellWidget : public QWidget {
    Q_OBJECT

public:
    CellWidget(std::int16_t index, QWidget* parent);

    const Cell& shown() const { return shown_; }
    void display(const Cell& cell);

    std::int16_t index() const { return index_; }
    bool isBlack() const { return shown_.fillColour == Black; }

    // A press on the cell, whether by the mouse, the keyboard or assistive technology.
    void press();

signals:
    void pressed(std::int16_t index);
    void moved(std::int16_t index);
    // An arrow key asks for the focus on the neighbour this many rows and columns away.
    void stepped(std::int16_t index, int rows, int columns);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::int16_t index_;
    Cell shown_;
};

} // namespace kobalin
