#include "cell_accessible.h"

#include "cell_widget.h"

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

QStringList CellAccessible::actionNames() const {
    return {pressAction(), toggleAction()};
}

void CellAccessible::doAction(const QString& action) {
    // A hidden row's cells are disabled and take no press, from anyone.
    if (cell()->isEnabled() && actionNames().contains(action)) {
        cell()->press();
    }
}

QStringList CellAccessible::keyBindingsForAction(const QString&) const {
    return {};
}

QAccessibleInterface* CellAccessible::create(const QString&, QObject* object) {
    auto* cell = qobject_cast<CellWidget*>(object);
    return cell != nullptr ? new CellAccessible(cell) : nullptr;
}

} // namespace kobalin
