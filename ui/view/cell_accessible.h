#pragma once

#include <QAccessibleWidget>

namespace kobalin {

class CellWidget;

// A cell as assistive technology knows it: a check box named for its place,
// checked while the cell is black, whose press and toggle actions press the
// cell as the mouse and Space do.
class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(CellWidget* cell);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

    // For QAccessible::installFactory: an interface for each cell, none for others.
    static QAccessibleInterface* create(const QString& className, QObject* object);

private:
    CellWidget* cell() const;
    static bool presses(const QString& action);
};

} // namespace kobalin
