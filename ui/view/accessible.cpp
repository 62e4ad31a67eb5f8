#include "accessible.h"

#include "cell_widget.h"
#include "editor_window.h"

#include <QAccessibleWidget>
#include <QKeySequence>

#include <algorithm>
#include <array>
#include <utility>

namespace kobalin::spoken {

namespace {

using Words = std::pair<std::string_view, std::string_view>; // a control, and what is heard

constexpr std::array Names{
    Words{"Frame2", "Position und Halbbytes"}, Words{"Command5", "Höhe verringern"},
    Words{"Command6", "Höhe erhöhen"},         Words{"Text1", "Deklaration"},
    Words{"Line1", "Grenze der Halbbytes"},    Words{"Line2", "Rasterrand links"},
    Words{"Line3", "Rasterrand oben"},         Words{"Line4", "Rasterrand rechts"},
    Words{"Line5", "Rasterrand unten"}};

constexpr std::array BeforeReadouts{Words{"Label3", "x: "}, Words{"Label4", "y: "},
                                    Words{"Label5", "Spalten 1 bis 4: "},
                                    Words{"Label6", "Spalten 5 bis 8: "}};

// The words for control in table, none if it has none there.
QString WordsFor(std::string_view control, const auto& table) {
    const auto* found = std::ranges::find(table, control, &Words::first);
    return found != table.end() ? QString::fromUtf8(found->second) : QString();
}

class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(CellWidget* cell) : QAccessibleWidget(cell, QAccessible::CheckBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) {
            return QAccessibleWidget::text(kind);
        }
        const std::int16_t index = cell()->index();
        return QStringLiteral("Spalte %1, Zeile %2")
            .arg(CountedFromOne(ColumnOf(index)))
            .arg(CountedFromOne(RowOf(index)));
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = cell()->isBlack();
        return state;
    }

    // Pressing comes first: a screen reader's default action is the first one.
    QStringList actionNames() const override {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (!presses(action)) {
            QAccessibleWidget::doAction(action);
        } else if (cell()->isEnabled()) { // a hidden row's cells take no press, from anyone
            cell()->press();
        }
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (presses(action)) {
            return {QKeySequence(Qt::Key_Space).toString()};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    CellWidget* cell() const { return static_cast<CellWidget*>(widget()); }
    static bool presses(const QString& action) {
        return action == pressAction() || action == toggleAction();
    }
};

} // namespace

void Name(QWidget& control) {
    if (const QString name = WordsFor(control.objectName().toStdString(), Names); !name.isEmpty()) {
        control.setAccessibleName(name);
    }
}

QString BeforeReadout(std::string_view control) {
    return WordsFor(control, BeforeReadouts);
}

QString BeforeRowByte(std::int16_t row) {
    return QStringLiteral("Zeile %1: ").arg(CountedFromOne(row));
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* window = qobject_cast<EditorWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    auto* cell = qobject_cast<CellWidget*>(object);
    return cell != nullptr ? new CellAccessible(cell) : nullptr;
}

} // namespace kobalin::spoken
