#include "look.h"

#include <QWidget>

namespace kobalin {

QFont StandardFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    // Glyphs snapped to whole pixels keep the captions as narrow as the tight
    // places need ("VarName:" fills its label exactly).
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont RowCaptionFont() {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(9);
    return font;
}

void SetBackground(QWidget* widget, QPalette::ColorRole role, QRgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, QColor::fromRgb(colour));
    widget->setPalette(palette);
}

} // namespace kobalin
