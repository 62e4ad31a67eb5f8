#include "editor_window.h"

#include "cell_accessible.h"
#include "cell_grid.h"
#include "cell_widget.h"
#include "handlers.h"
#include "layout_table.h"
#include "look.h"
#include "text_limits.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace kobalin {

namespace {

// What freshly built controls show: cells in their start colours, no text.
WindowState NothingShown() {
    WindowState blank;
    for (RowCaption& row : blank.Label1) {
        row.caption.clear();
    }
    for (std::string* text : {&blank.Label3, &blank.Label4, &blank.Label5, &blank.Label6,
                              &blank.Text1, &blank.Text2, &blank.Text3}) {
        text->clear();
    }
    return blank;
}

const QString XCaption = QStringLiteral("x:");
const QString YCaption = QStringLiteral("y:");

// Shows a value in a label. A screen reader hears it after words that say what
// it is, since "00" or "0" alone does not tell one readout from another.
void ShowValue(QLabel* label, const QString& spokenAs, const std::string& value) {
    const QString text = QString::fromStdString(value);
    label->setText(text);
    label->setAccessibleName(spokenAs + text);
}

void ShowIfChanged(QLabel* label, const QString& spokenAs, const std::string& now,
                   const std::string& was) {
    if (now != was) {
        ShowValue(label, spokenAs, now);
    }
}

QString RowCaptionSpokenAs(std::size_t row) {
    return QStringLiteral("Zeile %1: ").arg(row + 1);
}

// Assistive technology knows the window as a window, as it knows Qt's main
// windows, and each cell as a check box.
QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
    if (auto* window = qobject_cast<EditorWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return CellAccessible::create(className, object);
}

// A straight line one pixel wide in the window text colour.
void MakeLine(const layout::Line& line, QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QString::fromUtf8(line.name.data(), qsizetype(line.name.size())));
    widget->setGeometry(layout::LineRect(line));
    widget->setAccessibleName(QString::fromUtf8(line.spoken.data(), qsizetype(line.spoken.size())));
    widget->setBackgroundRole(QPalette::WindowText);
    widget->setAutoFillBackground(true);
}

} // namespace

EditorWindow::EditorWindow(Platform& platform) : platform_(platform), shown_(NothingShown()) {
    QAccessible::installFactory(AccessibleFor);
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Kobalin Version 1.00"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kobalin.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(StandardFont());
    setFixedSize(layout::ClientSize);

    cells_ = new CellGrid(this);
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
    mirror();

    // The window's own area centred: the frame the desktop adds is not known
    // before the window is shown.
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
    declaration_->setFocus();
}

template <typename Widget> Widget* EditorWindow::place(std::string_view name) {
    const auto placement =
        std::find_if(layout::Placements.begin(), layout::Placements.end(),
                     [name](const layout::Placement& candidate) { return candidate.name == name; });
    if (placement == layout::Placements.end()) {
        throw std::logic_error("no place in the layout for " + std::string(name));
    }
    QWidget* parent = this;
    if (!placement->parent.empty()) {
        parent = findChild<QWidget*>(QLatin1String(placement->parent));
    }
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(placement->rect);
    return widget;
}

// Places the button Command<number>. None is a default button: Enter and
// Escape press none.
QPushButton* EditorWindow::placeCommand(int number, const QString& caption) {
    auto* button = place<QPushButton>("Command" + std::to_string(number));
    button->setText(caption);
    button->setAutoDefault(false);
    commands_[std::size_t(number - 1)] = button;
    return button;
}

void EditorWindow::buildRowCaptions() {
    for (std::int16_t row = 0; row < Rows; ++row) {
        auto* caption = new QLabel(this);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(row));
        caption->setGeometry(layout::RowCaptionRect(row));
        caption->setFont(RowCaptionFont());
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        rowCaptions_[static_cast<std::size_t>(row)] = caption;
    }
}

void EditorWindow::buildLines() {
    for (const layout::Line& line : layout::Lines) {
        MakeLine(line, this);
    }
}

void EditorWindow::buildPointerBox() {
    auto* box = place<QGroupBox>("Frame2");
    box->setStyle(new CaptionOnLineGroupBoxStyle);
    box->style()->setParent(box);
    box->setAccessibleName(QStringLiteral("Position und Halbbytes"));
    auto* columnCaption = place<QLabel>("Label7");
    columnCaption->setText(XCaption);
    column_ = place<QLabel>("Label3");
    columnCaption->setBuddy(column_);
    auto* rowCaption = place<QLabel>("Label8");
    rowCaption->setText(YCaption);
    row_ = place<QLabel>("Label4");
    rowCaption->setBuddy(row_);
    highNibble_ = place<QLabel>("Label5");
    lowNibble_ = place<QLabel>("Label6");
}

void EditorWindow::buildHeightBox() {
    auto* box = place<QGroupBox>("Frame1");
    box->setTitle(QStringLiteral("Höhe"));
    box->setStyle(new CaptionOnLineGroupBoxStyle);
    box->style()->setParent(box);
    placeCommand(5, QStringLiteral("-"))->setAccessibleName(QStringLiteral("Höhe verringern"));
    placeCommand(6, QStringLiteral("+"))->setAccessibleName(QStringLiteral("Höhe erhöhen"));
    height_ = place<QLineEdit>("Text2");
    height_->setReadOnly(true);
    height_->setAlignment(Qt::AlignCenter);
    SetFixedColours(height_, QPalette::Base, 0xC0C0C0, QPalette::Text);
}

// The controls at the top right: the grid box, "aktualisieren" and the copy button.
void EditorWindow::buildTopCommands() {
    grid_ = place<QCheckBox>("Check2");
    grid_->setText(QStringLiteral("Raster anzeigen"));
    grid_->setStyle(new TightCheckBoxStyle);
    grid_->style()->setParent(grid_);
    placeCommand(7, QStringLiteral("aktualisieren"));
    placeCommand(8, QStringLiteral("In die Zwischenablage kopieren"));
}

void EditorWindow::buildTextBoxes() {
    declaration_ = place<QPlainTextEdit>("Text1");
    declaration_->setAccessibleName(QStringLiteral("Deklaration"));
    declaration_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    declaration_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    declaration_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    declaration_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    declaration_->setTabChangesFocus(true);
    declaration_->document()->setDocumentMargin(1);

    auto* nameCaption = place<QLabel>("Label2");
    nameCaption->setText(QStringLiteral("VarName:"));
    name_ = place<QLineEdit>("Text3");
    nameCaption->setBuddy(name_); // names the box for a screen reader
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
    credits->setText(
        QStringLiteral(" Kobalin 1.00 \u2013 Sprites 8 \u00d7 1 bis 9 f\u00fcr C-Programme"));
    QFont bold = StandardFont();
    bold.setBold(true);
    credits->setFont(bold);
    credits->setAutoFillBackground(true);
    SetFixedColours(credits, QPalette::Window, 0xE0E0E0, QPalette::WindowText);
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

    connect(grid_, &QCheckBox::clicked, this, [this](bool ticked) {
        state_.Check2 = ticked ? 1 : 0;
        shown_.Check2 = state_.Check2;
        handle([this] { Check2_Click(state_); });
    });
    // Only "-" and "+" change the height. Assistive technology can write into
    // a read-only box, so whatever it writes there is put back at once.
    connect(height_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString height = QString::fromStdString(shown_.Text2);
        if (text != height) {
            height_->setText(height);
        }
    });
    connect(declaration_, &QPlainTextEdit::textChanged, this, &EditorWindow::takeTypedDeclaration);
    // Typing and pasting leave the cursor at the end of what came in.
    // Assistive technology sets the text as a whole, which is typing too but
    // tells no place: it is found by comparing the texts.
    connect(name_, &QLineEdit::textEdited, this,
            [this] { takeTypedName(name_->cursorPosition()); });
    connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != name_->text() || text.toStdString() == shown_.Text3) {
            return; // taken as typed, or our own
        }
        takeTypedName(EndOfChange(QString::fromStdString(shown_.Text3), text));
    });
}

// The cells come between "aktualisieren" and the grid box, in index order;
// Qt's focus chain passes over the hidden ones.
void EditorWindow::setFocusOrder() {
    std::vector<QWidget*> order{declaration_, command(1), command(2), command(3), command(4),
                                command(5),   command(6), height_,    command(7)};
    order.insert(order.end(), cells_->cells().begin(), cells_->cells().end());
    order.insert(order.end(), {grid_, command(8), name_});
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
    mirror();
}

void EditorWindow::mirror() {
    mirrorCells();
    mirrorCaptions();
    mirrorBoxes();
    shown_ = state_;
}

void EditorWindow::mirrorCells() {
    cells_->keepFocusOnShownRows(state_);
    for (std::size_t i = 0; i < state_.Picture1.size(); ++i) {
        if (state_.Picture1[i] != shown_.Picture1[i]) {
            cells_->cells()[i]->display(state_.Picture1[i]);
        }
    }
}

void EditorWindow::mirrorCaptions() {
    for (std::size_t row = 0; row < rowCaptions_.size(); ++row) {
        const RowCaption& caption = state_.Label1[row];
        ShowIfChanged(rowCaptions_[row], RowCaptionSpokenAs(row), caption.caption,
                      shown_.Label1[row].caption);
        if (caption.visible != shown_.Label1[row].visible) {
            rowCaptions_[row]->setVisible(caption.visible);
        }
    }
    ShowIfChanged(column_, XCaption + ' ', state_.Label3, shown_.Label3);
    ShowIfChanged(row_, YCaption + ' ', state_.Label4, shown_.Label4);
    ShowIfChanged(highNibble_, QStringLiteral("Spalten 1 bis 4: "), state_.Label5, shown_.Label5);
    ShowIfChanged(lowNibble_, QStringLiteral("Spalten 5 bis 8: "), state_.Label6, shown_.Label6);
}

// Each box reports a change of its text back; what it shows is noted first,
// so that the report is known as the program's own.
void EditorWindow::mirrorBoxes() {
    if (state_.Text1 != shown_.Text1) {
        shown_.Text1 = state_.Text1;
        declaration_->setPlainText(ToBoxText(state_.Text1));
    }
    if (state_.Text2 != shown_.Text2) {
        shown_.Text2 = state_.Text2;
        height_->setText(QString::fromStdString(state_.Text2));
    }
    if (state_.Text3 != shown_.Text3) {
        shown_.Text3 = state_.Text3;
        name_->setText(QString::fromStdString(state_.Text3));
    }
}

void EditorWindow::takeTypedDeclaration() {
    const QString text = TypedText(*declaration_->document());
    const std::string typed = FromBoxText(text);
    if (typed == shown_.Text1) {
        return; // our own setPlainText
    }
    const qsizetype end = EndOfChange(ToBoxText(shown_.Text1), text);
    const Edit limited = LimitLength({text, end}, MaxDeclarationCharacters);
    if (limited.text != text) {
        // Removing the excess changes the text again and comes back here.
        QTextCursor excess(declaration_->document());
        excess.setPosition(int(limited.cursor));
        excess.setPosition(int(end), QTextCursor::KeepAnchor);
        excess.removeSelectedText();
        return;
    }
    state_.Text1 = typed;
    shown_.Text1 = typed;
}

// The name only goes into the state: the declaration shows it from the next
// rebuild on, after a press on a cell, a command or "aktualisieren". Typing
// runs no handler, so the declaration the user may have edited stays.
void EditorWindow::takeTypedName(qsizetype endOfChange) {
    const Edit typed{name_->text(), endOfChange};
    const Edit name = LimitLength(WithoutControlCharacters(typed), MaxNameCharacters);
    if (name.text != typed.text) {
        name_->setText(name.text);
        name_->setCursorPosition(int(name.cursor));
    }
    state_.Text3 = name.text.toStdString();
    shown_.Text3 = state_.Text3;
}

} // namespace kobalin
