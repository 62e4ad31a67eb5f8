#include "cell_widget.h"

#include "look.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kobalin {

CellWidget::CellWidget(std::int16_t index, QWidget* parent) : QWidget(parent), index_(index) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
}

void CellWidget::display(const Cell& cell) {
    const bool wasBlack = isBlack();
    shown_ = cell;
    update();
    if (isBlack() != wasBlack && QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    setEnabled(cell.enabled);
    setVisible(cell.visible);
}

void CellWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(shown_.fillColour));
    if (shown_.border == BorderStyle::Single) {
        painter.setPen(QColor::fromRgb(FixedForeground));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        // A ring two pixels wide just inside the place of the border, so that
        // the two are never mistaken for each other; the fill shows within.
        const QRect ring = rect().adjusted(1, 1, -1, -1);
        painter.fillRect(ring, QColor::fromRgb(FocusMarkColour));
        painter.fillRect(ring.adjusted(2, 2, -2, -2), QColor::fromRgb(shown_.fillColour));
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

// Space presses the cell as it ticks a check box, once however long it is
// held; the arrow keys move the focus.
void CellWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            press();
        }
        return;
    case Qt::Key_Left:
        emit stepped(index_, 0, -1);
        return;
    case Qt::Key_Right:
        emit stepped(index_, 0, 1);
        return;
    case Qt::Key_Up:
        emit stepped(index_, -1, 0);
        return;
    case Qt::Key_Down:
        emit stepped(index_, 1, 0);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace kobalin
