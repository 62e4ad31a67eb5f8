// Qt's floor for Kobalin's start: the same controls, no program.
#include "floor_window.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    kobalin::bench::BuildFloor(window);
    window.show();
    return QApplication::exec();
}
