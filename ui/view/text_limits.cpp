#include "text_limits.h"

#include <QTextDocument>

#include <algorithm>

namespace kobalin {

qsizetype CharacterCount(const QString& text) {
    // The second half of a surrogate pair adds no character.
    return text.size() -
           std::count_if(text.begin(), text.end(), [](QChar ch) { return ch.isLowSurrogate(); });
}

Edit LimitLength(const Edit& edit, qsizetype maxCharacters) {
    qsizetype excess = CharacterCount(edit.text) - maxCharacters;
    qsizetype start = edit.cursor;
    for (; excess > 0 && start > 0; --excess) {
        --start;
        if (start > 0 && edit.text[start].isLowSurrogate() &&
            edit.text[start - 1].isHighSurrogate()) {
            --start;
        }
    }
    return {edit.text.left(start) + edit.text.mid(edit.cursor), start};
}

qsizetype EndOfChange(const QString& before, const QString& after) {
    qsizetype start =
        std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first -
        before.begin();
    if (start > 0 && start < after.size() && after[start].isLowSurrogate()) {
        --start;
    }
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype sameAtEnd = 0;
    while (start + sameAtEnd < shorter &&
           before[before.size() - 1 - sameAtEnd] == after[after.size() - 1 - sameAtEnd]) {
        ++sameAtEnd;
    }
    qsizetype end = after.size() - sameAtEnd;
    if (end > 0 && end < after.size() && after[end].isLowSurrogate()) {
        ++end;
    }
    return end;
}

Edit WithoutControlCharacters(const Edit& edit) {
    Edit clean;
    for (qsizetype i = 0; i < edit.text.size(); ++i) {
        const QChar ch = edit.text[i];
        const bool lineBreak = ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator;
        if (ch.category() != QChar::Other_Control && !lineBreak) {
            clean.text += ch;
        }
        if (i + 1 == edit.cursor) {
            clean.cursor = clean.text.size();
        }
    }
    return clean;
}

QString TypedText(const QTextDocument& document) {
    QString text = document.toRawText();
    for (QChar& ch : text) {
        if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator) {
            ch = u'\n';
        }
    }
    return text;
}

QString ToBoxText(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

std::string FromBoxText(const QString& text) {
    return QString(text).replace(QLatin1String("\n"), QLatin1String("\r\n")).toStdString();
}

} // namespace kobalin
