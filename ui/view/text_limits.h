#pragma once

#include <QString>

class QTextDocument;

namespace kobalin {

// Length limits count characters as the user sees them, so a character
// outside the Basic Multilingual Plane counts once and is never cut in half.
qsizetype CharacterCount(const QString& text);

// Text just edited by the user, with the cursor after what was typed or pasted.
struct Edit {
    QString text;
    qsizetype cursor = 0;
};

// Keeps at most maxCharacters by dropping the excess just before the cursor,
// that is, the end of what was typed or pasted, as a length-limited box does.
Edit LimitLength(const Edit& edit, qsizetype maxCharacters);

// Where the edit that made after out of before ends: just after what was
// typed, pasted or put in by assistive technology, which sets a box's text
// without moving its cursor there. Never inside a surrogate pair.
qsizetype EndOfChange(const QString& before, const QString& after);

// A name is one line: line breaks, tabs and other control characters that a
// paste brings along are dropped.
Edit WithoutControlCharacters(const Edit& edit);

// The text of an edit box's document as the user typed it, line breaks as
// LF. QTextDocument::toPlainText would also turn non-breaking spaces into
// blanks, and the name or a typed declaration must keep them.
QString TypedText(const QTextDocument& document);

// Text1 holds CR LF line breaks; the edit box works with LF.
QString ToBoxText(const std::string& text);
std::string FromBoxText(const QString& text);

} // namespace kobalin
