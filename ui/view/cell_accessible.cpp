#include "cell_accessible.h"

#include "cell_widget.h"

#include <QKeySequence>

namespace kobalin {

CellAccessible::CellAccessible(CellWidget* cell) : QAccessibleWidget(cell, QAccessible::CheckBox) {}

CellWidget* CellAccessible::cell() const {
    return static_cast<CellWidget*>(widget());
}

QString CellAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name) {
        return QAccessibleWidget::text(kind);
    }
    // Counted from 1, as the position readout shows them.
    const std::int16_t index = cell()->index();
    return QStringLiteral("Spalte %1, Zeile %2").arg(index % Columns + 1).arg(index / Columns + 1);
}

QAccessible::State CellAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = cell()->isBlack();
    return state;
}

bool CellAccessible::presses(const QString& action) {
    return action == pressAction() || action == toggleAction();
}

// Pressing comes first: a screen reader's default action is the first one.
QStringList CellAccessible::actionNames() const {
    return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
}

void CellAccessible::doAction(const QString& action) {
    if (!presses(action)) {
        QAccessibleWidget::doAction(action);
    } else if (cell()->isEnabled()) { // a hidden row's cells take no press, from anyone
        cell()->press();
    }
}

QStringList CellAccessible::keyBindingsForAction(const QString& action) const {
    if (presses(action)) {
        return {QKeySequence(Qt::Key_Space).toString()};
    }
    return QAccessibleWidget::keyBindingsForAction(action);
}

QAccessibleInterface* CellAccessible::create(const QString&, QObject* object) {
    auto* cell = qobject_cast<CellWidget*>(object);
    return cell != nullptr ? new CellAccessible(cell) : nullptr;
}

} // namespace kobalin
