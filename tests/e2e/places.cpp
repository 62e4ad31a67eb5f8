// Prints where the end-to-end test presses: "name x y", the centre of every
// control and cell in window pixels.
#include "layout_table.h"
#include "window_state.h"

#include <cstdio>

using namespace kobalin::layout;

int main() {
    for (const Placement& control : Placements) {
        QPoint centre = control.rect.center();
        for (const Placement& box : Placements) {
            centre += box.name == control.parent ? box.rect.topLeft() : QPoint();
        }
        std::printf("%.*s %d %d\n", int(control.name.size()), control.name.data(), centre.x(),
                    centre.y());
    }
    for (std::int16_t index = 0; index < kobalin::CellCount; ++index) {
        std::printf("Picture1_%d %d %d\n", index, CellRect(index).center().x(),
                    CellRect(index).center().y());
    }
}
