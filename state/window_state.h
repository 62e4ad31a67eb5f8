#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kobalin {

// The editor keeps no document: everything it knows is a property of one of
// the window's controls, held here and mirrored onto the screen by the view.
// Texts are UTF-8.

using Rgb = std::uint32_t;
inline constexpr Rgb Black = 0x000000;
inline constexpr Rgb White = 0xFFFFFF;

inline constexpr std::int16_t Columns = 8;
inline constexpr std::int16_t Rows = 9;
inline constexpr std::int16_t CellCount = Columns * Rows;

// A cell's index in Picture1, and its row and column taken back from the index.
constexpr std::int16_t CellIndex(std::int16_t row, std::int16_t column) {
    return static_cast<std::int16_t>(row * Columns + column);
}
constexpr std::int16_t RowOf(std::int16_t index) {
    return static_cast<std::int16_t>(index / Columns);
}
constexpr std::int16_t ColumnOf(std::int16_t index) {
    return static_cast<std::int16_t>(index % Columns);
}

// The program counts rows and columns from 0; the user, seeing or hearing them, from 1.
constexpr int CountedFromOne(std::int16_t position) {
    return position + 1;
}

enum class BorderStyle { None = 0, Single = 1 };

struct Cell {
    Rgb fillColour = White;
    BorderStyle border = BorderStyle::None;
    bool enabled = true;
    bool visible = true;

    friend bool operator==(const Cell&, const Cell&) = default;
};

struct RowCaption {
    std::string caption = "00";
    bool visible = true;

    friend bool operator==(const RowCaption&, const RowCaption&) = default;
};

// Text1's start text is a fixed value of the window, not built by
// BuildDeclaration: hence its closing line break, which no rebuild writes.
inline constexpr const char* StartDeclaration =
    "static unsigned char bild[] = {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n";

struct WindowState {
    std::array<Cell, CellCount> Picture1{}; // the cells, by CellIndex
    std::array<RowCaption, Rows> Label1{};  // row hex texts
    std::string Label3 = "0";               // column under the pointer, from 1
    std::string Label4 = "0";               // row under the pointer, from 1
    std::string Label5 = "0000";            // high nibble of the row encoded last
    std::string Label6 = "0000";            // low nibble of the row encoded last
    std::string Text1 = StartDeclaration;   // the declaration, editable by the user
    std::string Text2 = "9";                // the height, "1" to "9"
    std::string Text3 = "bild";             // the array's name
    std::int16_t Check2 = 0;                // "Raster anzeigen": 0 unticked, 1 ticked

    friend bool operator==(const WindowState&, const WindowState&) = default;
};

// The height as the number the text of Text2 stands for. The height lives only
// as that text and is read afresh at every use, so that no kept copy can
// disagree with what the box shows.
double Height(const WindowState& state);

// A row is active, part of the sprite, when the height is greater than it.
bool IsActiveRow(const WindowState& state, std::int16_t row);

} // namespace kobalin
