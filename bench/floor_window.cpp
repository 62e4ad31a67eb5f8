#include "floor_window.h"

#include "layout_table.h"
#include "window_state.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kobalin::bench {

namespace {

QWidget* MakeControl(const QString& name, QWidget* parent) {
    if (name.startsWith(u"Frame")) {
        return new QGroupBox(name, parent);
    }
    if (name.startsWith(u"Command")) {
        return new QPushButton(name, parent);
    }
    if (name.startsWith(u"Check")) {
        return new QCheckBox(name, parent);
    }
    if (name == u"Text1") {
        return new QPlainTextEdit(name, parent);
    }
    if (name.startsWith(u"Text")) {
        return new QLineEdit(name, parent);
    }
    return new QLabel(name, parent);
}

// A plain widget filled with a colour of the palette.
void PlaceFilled(QWidget& window, const QRect& rect, QPalette::ColorRole colour) {
    auto* widget = new QWidget(&window);
    widget->setGeometry(rect);
    widget->setAutoFillBackground(true);
    widget->setBackgroundRole(colour);
}

QString Name(std::string_view name) {
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace

void BuildFloor(QWidget& window) {
    window.setFixedSize(layout::ClientSize);
    for (std::int16_t index = 0; index < CellCount; ++index) {
        PlaceFilled(window, layout::CellRect(index), QPalette::Base);
    }
    for (const layout::Line& line : layout::Lines) {
        PlaceFilled(window, layout::LineRect(line), QPalette::WindowText);
    }
    for (std::int16_t row = 0; row < Rows; ++row) {
        auto* caption = new QLabel(QStringLiteral("Label1_%1").arg(row), &window);
        caption->setGeometry(layout::RowCaptionRect(row));
    }
    for (const layout::Placement& placement : layout::Placements) {
        QWidget* parent =
            placement.parent.empty() ? &window : window.findChild<QWidget*>(Name(placement.parent));
        const QString name = Name(placement.name);
        QWidget* control = MakeControl(name, parent);
        control->setObjectName(name);
        control->setGeometry(placement.rect);
    }
}

} // namespace kobalin::bench
