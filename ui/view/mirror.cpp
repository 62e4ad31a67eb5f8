#include "mirror.h"

#include "cell_widget.h"
#include "text_limits.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>
#include <functional>

namespace kobalin {

namespace {

constexpr qsizetype MaxDeclarationCharacters = 100;
constexpr qsizetype MaxNameCharacters = 10;

// The one way a value reaches a control. A control that shows the value
// already is left alone: a press repaints only what it changed, and a text
// box keeps the user's cursor. Any other is set with its signals blocked, so
// that the program's own change never comes back as the user's; Qt still
// tells assistive technology of it, directly rather than through signals.
template <typename Control, typename Value, typename Setter>
void Show(Control* control, const Value& shown, const Value& value, Setter set) {
    if (shown != value) {
        const QSignalBlocker programsOwn(control);
        std::invoke(set, control, value);
    }
}

void Show(const Readout& readout, const std::string& value) {
    Show(readout.label, readout.label->text(), QString::fromStdString(value),
         [&readout](QLabel* label, const QString& text) {
             label->setText(text);
             label->setAccessibleName(readout.wordsBefore + text);
         });
}

// Before a row is hidden: a focus on one of its cells goes to the same
// column's cell in the last row shown, so that a screen reader announces that
// cell alone and not each one Qt would pass on the way.
void KeepFocusOnShownRows(const std::array<CellWidget*, CellCount>& cells,
                          const WindowState& state) {
    const auto focused = std::find(cells.begin(), cells.end(), cells[0]->window()->focusWidget());
    if (focused == cells.end()) {
        return;
    }
    const std::int16_t column = ColumnOf((*focused)->index());
    for (auto row = RowOf((*focused)->index()); row >= 0; --row) {
        const auto index = static_cast<std::size_t>(CellIndex(row, column));
        if (state.Picture1[index].visible) {
            cells[index]->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace

void Mirror::show(const WindowState& state) const {
    KeepFocusOnShownRows(cells, state);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        Show(cells[i], cells[i]->shown(), state.Picture1[i], &CellWidget::display);
    }
    for (std::size_t i = 0; i < rowBytes.size(); ++i) {
        QLabel* label = rowBytes[i].label;
        Show(rowBytes[i], state.Label1[i].caption);
        Show(label, !label->isHidden(), state.Label1[i].visible, &QLabel::setVisible);
    }
    Show(column, state.Label3);
    Show(row, state.Label4);
    Show(highNibble, state.Label5);
    Show(lowNibble, state.Label6);
    Show(declaration, TypedText(*declaration->document()), ToBoxText(state.Text1),
         &QPlainTextEdit::setPlainText);
    Show(height, height->text(), QString::fromStdString(state.Text2), &QLineEdit::setText);
    Show(name, name->text(), QString::fromStdString(state.Text3), &QLineEdit::setText);
}

// The declaration takes what fits; the excess is dropped where it was typed,
// as an edit the user can undo.
void Mirror::takeDeclaration(WindowState& state) const {
    const QString text = TypedText(*declaration->document());
    const qsizetype end = EndOfChange(ToBoxText(state.Text1), text);
    const Edit taken = LimitLength({text, end}, MaxDeclarationCharacters);
    Show(declaration, text, taken.text, [&](QPlainTextEdit* box, const QString&) {
        QTextCursor excess(box->document());
        excess.setPosition(int(taken.cursor));
        excess.setPosition(int(end), QTextCursor::KeepAnchor);
        excess.removeSelectedText();
    });
    state.Text1 = FromBoxText(taken.text);
}

// The name only goes into the state: the declaration shows it from the next
// rebuild on, after a press on a cell, a command or "aktualisieren". Typing
// runs no handler, so the declaration the user may have edited stays.
void Mirror::takeName(WindowState& state, qsizetype endOfChange) const {
    const QString text = name->text();
    const Edit typed{text, endOfChange};
    const Edit taken = LimitLength(WithoutControlCharacters(typed), MaxNameCharacters);
    Show(name, text, taken.text, [&](QLineEdit* box, const QString& kept) {
        box->setText(kept);
        box->setCursorPosition(int(taken.cursor));
    });
    state.Text3 = taken.text.toStdString();
}

} // namespace kobalin
