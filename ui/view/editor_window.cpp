#include "editor_window.h"

#include "accessible.h"
#include "cell_grid.h"
#include "cell_widget.h"
#include "handlers.h"
#include "layout_table.h"
#include "look.h"
#include "text_limits.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace kobalin {

const QString Version = QStringLiteral("1.00"); // in the title and the credits

EditorWindow::EditorWindow(Platform& platform) : platform_(platform) {
    QAccessible::installFactory(spoken::Factory);
    QCoreApplication::instance()->installEventFilter(&heldSpace_); // its dialogs too
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Kobalin Version ") + Version);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kobalin.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(StandardFont());
    setFixedSize(layout::ClientSize);

    cells_ = new CellGrid(this);
    mirror_.cells = cells_->cells();
    buildRowCaptions();
    buildLines();
    buildPointerBox();
    buildHeightBox();
    buildTopCommands();
    buildTextBoxes();
    buildSpriteCommands();
    buildCredits();
    connectEvents();
    setFocusOrder();
    mirror_.show(state_);

    // The window's own area centred: the frame the desktop adds is not known
    // before the window is shown.
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
    mirror_.declaration->setFocus();
}

template <typename Widget> Widget* EditorWindow::place(std::string_view name) {
    const auto* placement = std::ranges::find(layout::Placements, name, &layout::Placement::name);
    if (placement == layout::Placements.end()) {
        throw std::logic_error("no place in the layout for " + std::string(name));
    }
    QWidget* parent =
        placement->parent.empty() ? this : findChild<QWidget*>(QLatin1String(placement->parent));
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(placement->rect);
    spoken::Name(*widget);
    return widget;
}

Readout EditorWindow::placeReadout(std::string_view name) {
    return {place<QLabel>(name), spoken::BeforeReadout(name)};
}

// Places the button Command<number>. None is a default button: Enter and
// Escape press none.
void EditorWindow::placeCommand(int number, const QString& caption) {
    auto* button = place<QPushButton>("Command" + std::to_string(number));
    button->setText(caption);
    button->setAutoDefault(false);
    commands_[std::size_t(number - 1)] = button;
}

void EditorWindow::buildRowCaptions() {
    for (std::int16_t row = 0; row < Rows; ++row) {
        auto* caption = new QLabel(this);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(row));
        caption->setGeometry(layout::RowCaptionRect(row));
        caption->setFont(RowCaptionFont());
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        mirror_.rowBytes[static_cast<std::size_t>(row)] = {caption, spoken::BeforeRowByte(row)};
    }
}

// Straight lines one pixel wide in the window text colour.
void EditorWindow::buildLines() {
    for (const layout::Line& line : layout::Lines) {
        auto* widget = new QWidget(this);
        widget->setObjectName(QLatin1String(line.name));
        widget->setGeometry(layout::LineRect(line));
        spoken::Name(*widget);
        widget->setBackgroundRole(QPalette::WindowText);
        widget->setAutoFillBackground(true);
    }
}

void EditorWindow::buildPointerBox() {
    auto* box = place<QGroupBox>("Frame2");
    box->setStyle(new CaptionOnLineGroupBoxStyle);
    box->style()->setParent(box);
    auto* columnCaption = place<QLabel>("Label7");
    columnCaption->setText(QStringLiteral("x:"));
    mirror_.column = placeReadout("Label3");
    columnCaption->setBuddy(mirror_.column.label);
    auto* rowCaption = place<QLabel>("Label8");
    rowCaption->setText(QStringLiteral("y:"));
    mirror_.row = placeReadout("Label4");
    rowCaption->setBuddy(mirror_.row.label);
    mirror_.highNibble = placeReadout("Label5");
    mirror_.lowNibble = placeReadout("Label6");
}

void EditorWindow::buildHeightBox() {
    auto* box = place<QGroupBox>("Frame1");
    box->setTitle(QStringLiteral("Höhe"));
    box->setStyle(new CaptionOnLineGroupBoxStyle);
    box->style()->setParent(box);
    placeCommand(5, QStringLiteral("-"));
    placeCommand(6, QStringLiteral("+"));
    QLineEdit* height = mirror_.height = place<QLineEdit>("Text2");
    height->setReadOnly(true);
    height->setAlignment(Qt::AlignCenter);
    SetFixedColours(height, QPalette::Base, HeightBoxBackground, QPalette::Text);
}

// The controls at the top right: the grid box, "aktualisieren" and the copy button.
void EditorWindow::buildTopCommands() {
    QCheckBox* grid = mirror_.grid = place<QCheckBox>("Check2");
    grid->setText(QStringLiteral("Raster anzeigen"));
    grid->setStyle(new TightCheckBoxStyle);
    grid->style()->setParent(grid);
    placeCommand(7, QStringLiteral("aktualisieren"));
    placeCommand(8, QStringLiteral("In die Zwischenablage kopieren"));
}

void EditorWindow::buildTextBoxes() {
    QPlainTextEdit* declaration = mirror_.declaration = place<QPlainTextEdit>("Text1");
    declaration->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    declaration->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    declaration->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    declaration->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    declaration->setTabChangesFocus(true);
    declaration->document()->setDocumentMargin(1);

    auto* nameCaption = place<QLabel>("Label2");
    nameCaption->setText(QStringLiteral("VarName:"));
    mirror_.name = place<QLineEdit>("Text3");
    nameCaption->setBuddy(mirror_.name); // names the box for a screen reader
}

// The commands along the bottom, on the whole sprite, and "Beenden".
void EditorWindow::buildSpriteCommands() {
    placeCommand(1, QStringLiteral("neu"));
    placeCommand(3, QStringLiteral("neu (schwarz)"));
    placeCommand(2, QStringLiteral("invertieren"));
    placeCommand(4, QStringLiteral("Beenden"));
}

void EditorWindow::buildCredits() {
    auto* credits = place<QLabel>("Label9");
    credits->setText(QStringLiteral(" Kobalin ") + Version +
                     QStringLiteral(" \u2013 Sprites 8 \u00d7 1 bis 9 f\u00fcr C-Programme"));
    QFont bold = StandardFont();
    bold.setBold(true);
    credits->setFont(bold);
    credits->setAutoFillBackground(true);
    SetFixedColours(credits, QPalette::Window, CreditsBackground, QPalette::WindowText);
}

void EditorWindow::connectEvents() {
    connect(cells_, &CellGrid::pressed, this,
            [this](std::int16_t index) { handle([&] { Picture1_MouseDown(state_, index); }); });
    connect(cells_, &CellGrid::moved, this,
            [this](std::int16_t index) { handle([&] { Picture1_MouseMove(state_, index); }); });
    const auto onClick = [this](int number, auto handler) {
        connect(command(number), &QPushButton::clicked, this, [this, handler] { handle(handler); });
    };
    onClick(1, [this] { Command1_Click(state_, platform_); });
    onClick(2, [this] { Command2_Click(state_); });
    onClick(3, [this] { Command3_Click(state_, platform_); });
    onClick(4, [this] { Command4_Click(platform_); });
    onClick(5, [this] { Command5_Click(state_); });
    onClick(6, [this] { Command6_Click(state_); });
    onClick(7, [this] { Command7_Click(state_); });
    onClick(8, [this] { Command8_Click(state_, platform_); });

    connect(mirror_.grid, &QCheckBox::clicked, this, [this] {
        mirror_.takeTick(state_);
        handle([this] { Check2_Click(state_); });
    });
    // textChanged: assistive technology sets the text as a whole, and that is
    // typing too.
    connect(mirror_.declaration, &QPlainTextEdit::textChanged, this,
            [this] { mirror_.takeDeclaration(state_); });
    // Typing and pasting leave the cursor just after what came in; where
    // assistive technology put its text is found by comparing the texts.
    connect(mirror_.name, &QLineEdit::textEdited, this,
            [this] { mirror_.takeName(state_, mirror_.name->cursorPosition()); });
    connect(mirror_.name, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text == mirror_.name->text() && text.toStdString() != state_.Text3) {
            mirror_.takeName(state_, EndOfChange(QString::fromStdString(state_.Text3), text));
        }
    });
    // Only "-" and "+" change the height. Assistive technology can write into
    // a read-only box, so whatever it writes there is put back at once.
    connect(mirror_.height, &QLineEdit::textChanged, this, [this] { mirror_.show(state_); });
}

// The cells come between "aktualisieren" and the grid box, in index order;
// Qt's focus chain passes over the hidden ones.
void EditorWindow::setFocusOrder() {
    std::vector<QWidget*> order{mirror_.declaration, command(1),     command(2),
                                command(3),          command(4),     command(5),
                                command(6),          mirror_.height, command(7)};
    order.insert(order.end(), mirror_.cells.begin(), mirror_.cells.end());
    order.insert(order.end(), {mirror_.grid, command(8), mirror_.name});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

template <typename Handler> void EditorWindow::handle(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        // Handlers throw only on a fault in the program itself: say what it
        // was and end rather than go on with a state that may be wrong.
        platform_.showError(error.what());
        QCoreApplication::exit(EXIT_FAILURE);
        return;
    }
    mirror_.show(state_);
}

} // namespace kobalin
