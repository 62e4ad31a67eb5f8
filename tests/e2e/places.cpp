// Prints where the end-to-end test presses: "name x y", the centre of every
// control and cell in window pixels.
#include "layout_table.h"
#include "window_state.h"

#include <algorithm>
#include <iostream>

using namespace kobalin::layout;

void Print(std::string_view name, QPoint centre) {
    std::cout << name << ' ' << centre.x() << ' ' << centre.y() << '\n';
}

int main() {
    for (const Placement& control : Placements) {
        const auto box =
            std::find_if(Placements.begin(), Placements.end(),
                         [&](const Placement& box) { return box.name == control.parent; });
        Print(control.name,
              control.rect.center() + (box == Placements.end() ? QPoint() : box->rect.topLeft()));
    }
    for (std::int16_t index = 0; index < kobalin::CellCount; ++index) {
        Print("Picture1_" + std::to_string(index), CellRect(index).center());
    }
}
