#pragma once

#include <QWidget>

#include <functional>

namespace kobalin::bench {

// Qt's floor for Kobalin's window: the same widgets with the same names,
// places, fonts, texts and colours, and nothing else: no state, no handlers,
// no icon, no translations, no style of its own. Whatever Kobalin costs above
// this window is the program's own doing.
class FloorWindow : public QWidget {
    Q_OBJECT

public:
    FloorWindow();

    // What a press on a cell does; the window itself does nothing.
    void onCellPressed(std::function<void(int index)> action);

private:
    void buildGrid();
    void buildLines();
    void buildControls();

    std::function<void(int)> cellPressed_;
};

// A cell of the floor: a small widget that paints its fill colour.
class FloorCell : public QWidget {
    Q_OBJECT

public:
    FloorCell(int index, std::function<void(int)>& pressed, QWidget* parent);

    void setFill(QRgb fill);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int index_;
    QRgb fill_;
    std::function<void(int)>& pressed_;
};

} // namespace kobalin::bench
