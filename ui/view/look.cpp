#include "look.h"

#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <qdrawutil.h>

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

void SetFixedColours(QWidget* widget, QPalette::ColorRole background, QRgb colour,
                     QPalette::ColorRole text) {
    QPalette palette = widget->palette();
    palette.setColor(background, QColor::fromRgb(colour));
    palette.setColor(text, QColor::fromRgb(FixedForeground));
    widget->setPalette(palette);
}

int TightCheckBoxStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                    const QWidget* widget) const {
    if (metric == PM_CheckBoxLabelSpacing) {
        return 3;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void CaptionOnLineGroupBoxStyle::drawComplexControl(ComplexControl control,
                                                    const QStyleOptionComplex* option,
                                                    QPainter* painter,
                                                    const QWidget* widget) const {
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

QRect CaptionOnLineGroupBoxStyle::subControlRect(ComplexControl control,
                                                 const QStyleOptionComplex* option,
                                                 SubControl subControl,
                                                 const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_GroupBox && subControl == SC_GroupBoxLabel) {
        rect.translate(CaptionIndent, 0); // the caption interrupts the line, not its corner
    }
    return rect;
}

} // namespace kobalin
