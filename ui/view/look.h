#pragma once

#include <QFont>
#include <QPalette>
#include <QProxyStyle>

class QWidget;

namespace kobalin {

// The layout is fixed in pixels, so the fonts are too: 8.25 and 6.75 points
// at 96 dots per inch.
QFont StandardFont();
QFont RowCaptionFont();

// Most colours follow the desktop's scheme. Where a background is fixed (the
// height box, the credits line, the cells' black and white), what is drawn on
// it is fixed too, so that it reads under a light scheme and a dark one alike.
inline constexpr QRgb FixedForeground = 0x000000;
inline constexpr QRgb HeightBoxBackground = 0xC0C0C0;
inline constexpr QRgb CreditsBackground = 0xE0E0E0;

// The focused cell's mark: a blue as far in lightness from the cells' black
// as from their white, so that it stands out on both.
inline constexpr QRgb FocusMarkColour = 0x1A73E8;

// Fixes a control's background, and the text drawn on it with FixedForeground.
void SetFixedColours(QWidget* widget, QPalette::ColorRole background, QRgb colour,
                     QPalette::ColorRole text);

// "Raster anzeigen" fills its box exactly: a little less room between the
// tick box and the text lets the whole caption show.
class TightCheckBoxStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

// Group boxes as a frame whose top line runs through the middle of the
// caption: the controls placed 14 pixels down then sit inside the frame
// rather than on a top line drawn below the caption.
class CaptionOnLineGroupBoxStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;

private:
    static constexpr int CaptionIndent = 6;
};

} // namespace kobalin
