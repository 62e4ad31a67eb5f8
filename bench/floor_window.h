#pragma once

class QWidget;

namespace kobalin::bench {

// Qt's floor for Kobalin's window: the same controls at the same places, from
// the layout table, and nothing else (no fonts, icon, translations, styles or
// handlers). A control's kind follows from its name, its text is its name (a
// row caption's: Label1_ and its row); cells and lines are plain widgets
// filled with a palette colour. What Kobalin costs above it is its own doing.
void BuildFloor(QWidget& window);

} // namespace kobalin::bench
