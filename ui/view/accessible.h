#pragma once

#include <QAccessibleInterface>

#include <cstdint>
#include <string_view>

class QWidget;

// What a screen reader hears beyond what the screen says, all of it in
// accessible.cpp; every other control is named by its caption or its buddy.
namespace kobalin::spoken {

// Names a control whose caption, if any, does not say what it does.
void Name(QWidget& control);

// A readout is heard after words that say what it shows, since "00" or "0"
// alone does not tell one readout from another.
QString BeforeReadout(std::string_view control); // Label3 to Label6
QString BeforeRowByte(std::int16_t row);         // Label1(row)

// For QAccessible::installFactory: the editor's window as a window, as Qt's
// main windows are known, and each cell as a check box named for its place,
// checked while black, pressed by its press and toggle actions as by Space.
QAccessibleInterface* Factory(const QString& className, QObject* object);

} // namespace kobalin::spoken
