#pragma once

#include "window_state.h"

#include <QRect>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace kobalin::layout {

// The window is laid out in twips; 15 twips make one pixel at 96 dots per
// inch, and Qt's device-pixel ratio scales the pixels on denser screens.
inline constexpr int TwipsPerPixel = 15;

constexpr QRect FromTwips(int left, int top, int width, int height) {
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
            height / TwipsPerPixel};
}

inline constexpr QSize ClientSize{5715 / TwipsPerPixel, 2100 / TwipsPerPixel};

// A control's place within its parent: the window, or the named group box.
struct Placement {
    std::string_view name;
    std::string_view parent;
    QRect rect;
};

inline constexpr std::array Placements{
    Placement{"Frame2", "", FromTwips(1665, 105, 1005, 735)},
    Placement{"Label7", "Frame2", FromTwips(75, 135, 150, 195)},
    Placement{"Label3", "Frame2", FromTwips(225, 135, 210, 195)},
    Placement{"Label8", "Frame2", FromTwips(420, 135, 135, 195)},
    Placement{"Label4", "Frame2", FromTwips(570, 135, 225, 210)},
    Placement{"Label5", "Frame2", FromTwips(75, 450, 405, 225)},
    Placement{"Label6", "Frame2", FromTwips(525, 450, 420, 180)},
    Placement{"Frame1", "", FromTwips(1680, 900, 1275, 525)},
    Placement{"Command5", "Frame1", FromTwips(90, 210, 285, 225)},
    Placement{"Command6", "Frame1", FromTwips(375, 210, 285, 225)},
    Placement{"Text2", "Frame1", FromTwips(750, 195, 420, 255)},
    Placement{"Check2", "", FromTwips(3060, 180, 1470, 225)},
    Placement{"Command7", "", FromTwips(4635, 180, 1005, 225)},
    Placement{"Command8", "", FromTwips(3060, 465, 2580, 225)},
    Placement{"Text1", "", FromTwips(3045, 750, 2580, 675)},
    Placement{"Label2", "", FromTwips(3330, 1545, 705, 270)},
    Placement{"Text3", "", FromTwips(4065, 1500, 675, 285)},
    Placement{"Command1", "", FromTwips(195, 1500, 900, 270)},
    Placement{"Command3", "", FromTwips(1095, 1500, 1185, 270)},
    Placement{"Command2", "", FromTwips(2280, 1500, 975, 270)},
    Placement{"Command4", "", FromTwips(4800, 1500, 825, 270)},
    Placement{"Label9", "", FromTwips(0, 1845, 5715, 255)},
};

// Cells overlap their neighbours by one pixel: 10 pixels wide at a pitch of 9.
constexpr QRect CellRect(std::int16_t index) {
    return FromTwips(195 + 135 * ColumnOf(index), 210 + 135 * RowOf(index), 150, 150);
}

// The window's layout makes the captions of rows 2 and 8 one pixel taller
// than the others (150 twips instead of 135). The extra pixel lies below the
// digits and shows nothing; it is kept so that the window matches its layout
// to the pixel.
constexpr QRect RowCaptionRect(std::int16_t row) {
    return FromTwips(1350, 195 + 135 * row, 315, row == 2 || row == 8 ? 150 : 135);
}

// The frame around the grid and the tick between the nibbles, one pixel wide,
// both end points included.
struct Line {
    std::string_view name;
    QPoint from;
    QPoint to;
};

constexpr QPoint PointFromTwips(int x, int y) {
    return {x / TwipsPerPixel, y / TwipsPerPixel};
}

inline constexpr std::array Lines{
    Line{"Line1", PointFromTwips(735, 150), PointFromTwips(735, 195)},
    Line{"Line2", PointFromTwips(180, 195), PointFromTwips(180, 1455)},
    Line{"Line3", PointFromTwips(180, 195), PointFromTwips(1305, 195)},
    Line{"Line4", PointFromTwips(1290, 1440), PointFromTwips(1290, 195)},
    Line{"Line5", PointFromTwips(180, 1440), PointFromTwips(1290, 1440)},
};

constexpr QRect LineRect(const Line& line) {
    const QPoint topLeft(std::min(line.from.x(), line.to.x()),
                         std::min(line.from.y(), line.to.y()));
    const QPoint bottomRight(std::max(line.from.x(), line.to.x()),
                             std::max(line.from.y(), line.to.y()));
    return {topLeft, bottomRight};
}

} // namespace kobalin::layout
