// Prints "name x y", the centre of every control and cell in window pixels.
#include "layout_table.h"
#include "window_state.h"

#include <iostream>

using namespace kobalin::layout;

int main() {
    for (const Placement& control : Placements) {
        QPoint centre = control.rect.center();
        for (const Placement& box : Placements) {
            centre += box.name == control.parent ? box.rect.topLeft() : QPoint();
        }
        std::cout << control.name << ' ' << centre.x() << ' ' << centre.y() << '\n';
    }
    for (std::int16_t index = 0; index < kobalin::CellCount; ++index) {
        const QPoint centre = CellRect(index).center();
        std::cout << "Picture1_" << index << ' ' << centre.x() << ' ' << centre.y() << '\n';
    }
}
