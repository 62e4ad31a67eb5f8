#pragma once

#include <QString>

// Text for failure messages: line breaks, tabs and other control characters
// as escapes, so that a message shows exactly what a box or clipboard held.
inline QString Readable(const QString& text) {
    QString readable;
    for (const char32_t character : text.toUcs4()) {
        if (character == U'\n') {
            readable += QLatin1String("\\n");
        } else if (character == U'\r') {
            readable += QLatin1String("\\r");
        } else if (character == U'\t') {
            readable += QLatin1String("\\t");
        } else if (character < 0x20 || (character >= 0x7F && character <= 0xA0) ||
                   character == 0x2028 || character == 0x2029) {
            readable += QStringLiteral("\\u%1").arg(uint(character), 4, 16, QLatin1Char('0'));
        } else {
            readable += QString::fromUcs4(&character, 1);
        }
    }
    return readable;
}
