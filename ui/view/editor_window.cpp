#include "editor_window.h"

#include "cell_accessible.h"
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
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionGroupBox>
#include <QTextBlock>
#include <qdrawutil.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kobalin {

namespace {

// "Raster anzeigen" fills its box exactly: a little less room between the
// tick box and the text lets the whole caption show.
class TightCheckBoxStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_CheckBoxLabelSpacing) {
            return 3;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Group boxes as a frame whose top line runs through the middle of the
// caption: the controls placed 14 pixels down then sit inside the frame
// rather than on a top line drawn below the caption.
class CaptionOnLineGroupBoxStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || box == nullptr) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QRect caption;
        QRect frame = box->rect;
        if (!box->text.isEmpty()) {
            caption = subControlRect(control, box, SC_GroupBoxLabel, widget);
            frame.setTop(caption.center().y());
        }
        painter->save();
        painter->setClipRegion(QRegion(box->rect) - caption.adjusted(-2, 0, 2, 0));
        qDrawShadeRect(painter, frame, box->palette, true, 1, 0);
        painter->restore();

        QStyleOptionGroupBox captionOnly = *box;
        captionOnly.subControls = SC_GroupBoxLabel;
        QProxyStyle::drawComplexControl(control, &captionOnly, painter, widget);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
        if (control == CC_GroupBox && subControl == SC_GroupBoxLabel) {
            rect.translate(CaptionIndent, 0); // the caption interrupts the line, not its corner
        }
        return rect;
    }

private:
    static constexpr int CaptionIndent = 6;
};

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
QWidget* MakeLine(const layout::Line& line, QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QString::fromUtf8(line.name.data(), qsizetype(line.name.size())));
    widget->setGeometry(layout::LineRect(line));
    widget->setAccessibleName(QString::fromUtf8(line.spoken.data(), qsizetype(line.spoken.size())));
    widget->setAutoFillBackground(true);
    SetBackground(widget, QPalette::Window, widget->palette().color(QPalette::WindowText).rgb());
    return widget;
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

    buildGrid();
    buildLines();
    buildControls();
    connectCommands();
    setFocusOrder();
    mirror();

    move(screen()->availableGeometry().center() - rect().center());
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

void EditorWindow::buildGrid() {
    for (std::int16_t index = 0; index < CellCount; ++index) {
        auto* cell = new CellWidget(index, this);
        cell->setObjectName(QStringLiteral("Picture1_%1").arg(index));
        cell->setGeometry(layout::CellRect(index));
        connect(cell, &CellWidget::pressed, this, [this](std::int16_t pressed) {
            handle([&] { Picture1_MouseDown(state_, pressed); });
        });
        connect(cell, &CellWidget::moved, this,
                [this](std::int16_t moved) { handle([&] { Picture1_MouseMove(state_, moved); }); });
        cells_[static_cast<std::size_t>(index)] = cell;
    }
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

void EditorWindow::buildControls() {
    auto* groupBoxStyle = new CaptionOnLineGroupBoxStyle;
    groupBoxStyle->setParent(this);
    auto* pointerBox = place<QGroupBox>("Frame2");
    pointerBox->setStyle(groupBoxStyle);
    pointerBox->setAccessibleName(QStringLiteral("Position und Halbbytes"));
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

    auto* heightBox = place<QGroupBox>("Frame1");
    heightBox->setTitle(QStringLiteral("Höhe"));
    heightBox->setStyle(groupBoxStyle);
    auto* lower = place<QPushButton>("Command5");
    lower->setText(QStringLiteral("-"));
    lower->setAccessibleName(QStringLiteral("Höhe verringern"));
    auto* raise = place<QPushButton>("Command6");
    raise->setText(QStringLiteral("+"));
    raise->setAccessibleName(QStringLiteral("Höhe erhöhen"));
    height_ = place<QLineEdit>("Text2");
    height_->setReadOnly(true);
    height_->setAlignment(Qt::AlignCenter);
    SetBackground(height_, QPalette::Base, 0xC0C0C0);

    grid_ = place<QCheckBox>("Check2");
    grid_->setText(QStringLiteral("Raster anzeigen"));
    auto* tight = new TightCheckBoxStyle;
    tight->setParent(grid_);
    grid_->setStyle(tight);
    place<QPushButton>("Command7")->setText(QStringLiteral("aktualisieren"));
    place<QPushButton>("Command8")->setText(QStringLiteral("In die Zwischenablage kopieren"));

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
    place<QPushButton>("Command1")->setText(QStringLiteral("neu"));
    place<QPushButton>("Command3")->setText(QStringLiteral("neu (schwarz)"));
    place<QPushButton>("Command2")->setText(QStringLiteral("invertieren"));
    place<QPushButton>("Command4")->setText(QStringLiteral("Beenden"));

    auto* credits = place<QLabel>("Label9");
    credits->setText(
        QStringLiteral(" Kobalin 1.00 \u2013 Sprites 8 \u00d7 1 bis 9 f\u00fcr C-Programme"));
    QFont bold = StandardFont();
    bold.setBold(true);
    credits->setFont(bold);
    credits->setAutoFillBackground(true);
    SetBackground(credits, QPalette::Window, 0xE0E0E0);
}

void EditorWindow::connectCommands() {
    const auto onClick = [this](const char* name, auto handler) {
        auto* button = findChild<QPushButton*>(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, handler] { handle(handler); });
    };
    onClick("Command1", [this] { Command1_Click(state_, platform_); });
    onClick("Command2", [this] { Command2_Click(state_); });
    onClick("Command3", [this] { Command3_Click(state_, platform_); });
    onClick("Command4", [this] { Command4_Click(platform_); });
    onClick("Command5", [this] { Command5_Click(state_); });
    onClick("Command6", [this] { Command6_Click(state_); });
    onClick("Command7", [this] { Command7_Click(state_); });
    onClick("Command8", [this] { Command8_Click(state_, platform_); });

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
    // textChanged rather than textEdited: assistive technology sets the text
    // as a whole, and that is typing too.
    connect(name_, &QLineEdit::textChanged, this, &EditorWindow::takeTypedName);
}

void EditorWindow::setFocusOrder() {
    const char* const order[] = {"Text1",    "Command1", "Command2", "Command3",
                                 "Command4", "Command5", "Command6", "Text2",
                                 "Command7", "Check2",   "Command8", "Text3"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* widget = findChild<QWidget*>(QLatin1String(name));
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
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
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        if (state_.Picture1[i] != shown_.Picture1[i]) {
            cells_[i]->display(state_.Picture1[i]);
        }
    }
    for (std::size_t row = 0; row < rowCaptions_.size(); ++row) {
        const RowCaption& caption = state_.Label1[row];
        if (caption.caption != shown_.Label1[row].caption) {
            ShowValue(rowCaptions_[row], RowCaptionSpokenAs(row), caption.caption);
        }
        if (caption.visible != shown_.Label1[row].visible) {
            rowCaptions_[row]->setVisible(caption.visible);
        }
    }
    const auto showIfChanged = [](QLabel* label, const QString& spokenAs, const std::string& now,
                                  const std::string& was) {
        if (now != was) {
            ShowValue(label, spokenAs, now);
        }
    };
    showIfChanged(column_, XCaption + ' ', state_.Label3, shown_.Label3);
    showIfChanged(row_, YCaption + ' ', state_.Label4, shown_.Label4);
    showIfChanged(highNibble_, QStringLiteral("Spalten 1 bis 4: "), state_.Label5, shown_.Label5);
    showIfChanged(lowNibble_, QStringLiteral("Spalten 5 bis 8: "), state_.Label6, shown_.Label6);
    if (state_.Text1 != shown_.Text1) {
        shown_.Text1 = state_.Text1; // set first: the box reports the change back
        declaration_->setPlainText(ToBoxText(state_.Text1));
    }
    if (state_.Text2 != shown_.Text2) {
        shown_.Text2 = state_.Text2; // set first: the box reports the change back
        height_->setText(QString::fromStdString(state_.Text2));
    }
    if (state_.Text3 != shown_.Text3) {
        name_->setText(QString::fromStdString(state_.Text3));
    }
    shown_ = state_;
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
void EditorWindow::takeTypedName() {
    const QString text = name_->text();
    const Edit typed{text, EndOfChange(QString::fromStdString(shown_.Text3), text)};
    const Edit name = LimitLength(WithoutControlCharacters(typed), MaxNameCharacters);
    if (name.text != typed.text) {
        name_->setText(name.text);
        name_->setCursorPosition(int(name.cursor));
    }
    state_.Text3 = name.text.toStdString();
    shown_.Text3 = state_.Text3;
}

} // namespace kobalin
