#pragma once

#include "platform.h"
#include "window_state.h"

#include <cstdint>

namespace kobalin {

// The window's event handlers. The view calls one per user event and then
// shows the state; each runs to completion before the next event.

// Pointer over the cells: the index is that of the reporting cell.
void Picture1_MouseDown(WindowState& state, std::int16_t index);
void Picture1_MouseMove(WindowState& state, std::int16_t index);

// Height: "-" and "+".
void Command5_Click(WindowState& state);
void Command6_Click(WindowState& state);

// Whole-sprite commands.
void Command1_Click(WindowState& state, Platform& platform); // "neu"
void Command3_Click(WindowState& state, Platform& platform); // "neu (schwarz)"
void Command2_Click(WindowState& state);                     // "invertieren"
void Command7_Click(WindowState& state);                     // "aktualisieren"
void Check2_Click(WindowState& state);                       // "Raster anzeigen"
void Command4_Click(Platform& platform);                     // "Beenden"

// "In die Zwischenablage kopieren".
void Command8_Click(const WindowState& state, Platform& platform);

inline constexpr const char* ConfirmationPrompt = "Sind Sie sicher?";
inline constexpr const char* ClipboardFailedMessage =
    "Die Zwischenablage konnte nicht beschrieben werden.";

} // namespace kobalin
