#pragma once

#include <QFont>
#include <QPalette>

class QWidget;

namespace kobalin {

// The layout is fixed in pixels, so the fonts are too: 8.25 and 6.75 points
// at 96 dots per inch.
QFont StandardFont();
QFont RowCaptionFont();

void SetBackground(QWidget* widget, QPalette::ColorRole role, QRgb colour);

} // namespace kobalin
