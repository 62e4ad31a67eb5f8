#include "cell_widget.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace kobalin {

CellWidget::CellWidget(std::int16_t index, QWidget* parent) : QWidget(parent), index_(index) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CellWidget::display(const Cell& cell) {
    if (cell.fillColour != fill_ || cell.border != border_) {
        const bool wasBlack = isBlack();
        fill_ = cell.fillColour;
        border_ = cell.border;
        update();
        if (isBlack() != wasBlack && QAccessible::isActive()) {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(this, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
    setEnabled(cell.enabled);
    setVisible(cell.visible);
}

void CellWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(fill_));
    if (border_ == BorderStyle::Single) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CellWidget::press() {
    emit pressed(index_);
}

void CellWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    press();
}

void CellWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit moved(index_);
}

} // namespace kobalin
