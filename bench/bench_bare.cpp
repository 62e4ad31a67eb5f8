// The least any Qt program with a window of Kobalin's size pays to start: a
// window with one label and nothing else.
#include "layout_table.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QWidget window;
    // As long as Kobalin's title, so the caption bar costs the same.
    window.setWindowTitle(QStringLiteral("Kobalin Bare Window."));
    window.setFixedSize(kobalin::layout::ClientSize);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    window.setFont(font);
    QLabel label(QStringLiteral("Kobalin"), &window);
    label.move(10, 10);
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
