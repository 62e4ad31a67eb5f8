#include "floor_window.h"

#include "layout_table.h"
#include "look.h"
#include "window_state.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <map>

namespace kobalin::bench {

namespace {

QString Name(std::string_view name) {
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The texts Kobalin's controls show at start.
const std::map<std::string_view, QString>& Captions() {
    static const std::map<std::string_view, QString> captions{
        {"Label7", QStringLiteral("x:")},
        {"Label3", QStringLiteral("0")},
        {"Label8", QStringLiteral("y:")},
        {"Label4", QStringLiteral("0")},
        {"Label5", QStringLiteral("0000")},
        {"Label6", QStringLiteral("0000")},
        {"Frame1", QStringLiteral("Höhe")},
        {"Command5", QStringLiteral("-")},
        {"Command6", QStringLiteral("+")},
        {"Text2", QStringLiteral("9")},
        {"Check2", QStringLiteral("Raster anzeigen")},
        {"Command7", QStringLiteral("aktualisieren")},
        {"Command8", QStringLiteral("In die Zwischenablage kopieren")},
        {"Text1", QString::fromLatin1(StartDeclaration)
                      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))},
        {"Label2", QStringLiteral("VarName:")},
        {"Text3", QStringLiteral("bild")},
        {"Command1", QStringLiteral("neu")},
        {"Command3", QStringLiteral("neu (schwarz)")},
        {"Command2", QStringLiteral("invertieren")},
        {"Command4", QStringLiteral("Beenden")},
        {"Label9",
         QStringLiteral(" Kobalin 1.00 \u2013 Sprites 8 \u00d7 1 bis 9 f\u00fcr C-Programme")},
    };
    return captions;
}

QString CaptionOf(std::string_view name) {
    const auto found = Captions().find(name);
    return found == Captions().end() ? QString() : found->second;
}

// The kind of a control follows from its name, as in Kobalin.
QWidget* MakeControl(std::string_view name, QWidget* parent) {
    const QString caption = CaptionOf(name);
    if (name.starts_with("Frame")) {
        auto* frame = new QGroupBox(parent);
        frame->setTitle(caption);
        return frame;
    }
    if (name.starts_with("Command")) {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    if (name.starts_with("Check")) {
        return new QCheckBox(caption, parent);
    }
    if (name == "Text1") {
        auto* box = new QPlainTextEdit(caption, parent);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->document()->setDocumentMargin(1);
        return box;
    }
    if (name.starts_with("Text")) {
        return new QLineEdit(caption, parent);
    }
    return new QLabel(caption, parent);
}

} // namespace

FloorWindow::FloorWindow() {
    setObjectName(QStringLiteral("main"));
    // As long as Kobalin's title, so the caption bar costs the same.
    setWindowTitle(QStringLiteral("Kobalin Floor Window"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(StandardFont());
    setFixedSize(layout::ClientSize);

    buildGrid();
    buildLines();
    buildControls();

    move(screen()->availableGeometry().center() - rect().center());
    findChild<QWidget*>(QStringLiteral("Text1"))->setFocus();
}

void FloorWindow::onCellPressed(std::function<void(int)> action) {
    cellPressed_ = std::move(action);
}

void FloorWindow::buildGrid() {
    for (std::int16_t index = 0; index < CellCount; ++index) {
        auto* cell = new FloorCell(index, cellPressed_, this);
        cell->setObjectName(QStringLiteral("Picture1_%1").arg(index));
        cell->setGeometry(layout::CellRect(index));
    }
    for (std::int16_t row = 0; row < Rows; ++row) {
        auto* caption = new QLabel(QStringLiteral("00"), this);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(row));
        caption->setGeometry(layout::RowCaptionRect(row));
        caption->setFont(RowCaptionFont());
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void FloorWindow::buildLines() {
    for (const layout::Line& line : layout::Lines) {
        auto* widget = new QWidget(this);
        widget->setObjectName(Name(line.name));
        widget->setGeometry(layout::LineRect(line));
        widget->setAutoFillBackground(true);
        SetBackground(widget, QPalette::Window,
                      widget->palette().color(QPalette::WindowText).rgb());
    }
}

void FloorWindow::buildControls() {
    for (const layout::Placement& placement : layout::Placements) {
        QWidget* parent =
            placement.parent.empty() ? this : findChild<QWidget*>(Name(placement.parent));
        QWidget* control = MakeControl(placement.name, parent);
        control->setObjectName(Name(placement.name));
        control->setGeometry(placement.rect);
    }
    auto* height = findChild<QLineEdit*>(QStringLiteral("Text2"));
    height->setReadOnly(true);
    height->setAlignment(Qt::AlignCenter);
    SetBackground(height, QPalette::Base, 0xC0C0C0);

    auto* credits = findChild<QLabel*>(QStringLiteral("Label9"));
    QFont bold = StandardFont();
    bold.setBold(true);
    credits->setFont(bold);
    credits->setAutoFillBackground(true);
    SetBackground(credits, QPalette::Window, 0xE0E0E0);
}

FloorCell::FloorCell(int index, std::function<void(int)>& pressed, QWidget* parent)
    : QWidget(parent), index_(index), fill_(White), pressed_(pressed) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FloorCell::setFill(QRgb fill) {
    if (fill != fill_) {
        fill_ = fill;
        update();
    }
}

void FloorCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(fill_));
}

void FloorCell::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (pressed_) {
        pressed_(index_);
    }
}

} // namespace kobalin::bench
