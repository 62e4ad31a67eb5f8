// The least any Qt program pays to show a window of Kobalin's size: an empty one.
#include "layout_table.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(kobalin::layout::ClientSize);
    window.show();
    return QApplication::exec();
}
