// Qt's floor for Kobalin's start: the same widgets, no program.
#include "floor_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kobalin::bench::FloorWindow window;
    window.show();
    return QApplication::exec();
}
