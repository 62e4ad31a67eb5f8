#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// An independent reference model of the editor, written from the program's
// rules rather than from its code: the pixels are bits, every caption and
// text is derived by the rules of the window, and the two editable boxes are
// modelled as the user edits them. The randomized tests hold the real window
// against it after every user action.
namespace reference {

inline constexpr int Columns = 8;
inline constexpr int Rows = 9;
inline constexpr int CellCount = Columns * Rows;
inline constexpr int MaxHeight = Rows;
inline constexpr std::size_t MaxNameCharacters = 10;
inline constexpr std::size_t MaxDeclarationCharacters = 100;

// Text as the user sees it: one element per character, so a character
// outside the Basic Multilingual Plane is one element, like any other.
using Text = std::u32string;

Text FromQString(const QString& text);
QString ToQString(const Text& text);

// Where in a box an edit starts.
enum class Place { Replace, Start, End, Offset };

// One editable box: its text, the cursor (counted in characters), a limit in
// characters, and whether pasted control characters are dropped (a one-line
// box) or pasted line breaks are kept (the declaration box).
class Box {
public:
    Box(Text text, std::size_t limit, bool oneLine);

    const Text& text() const { return text_; }
    void replaceText(Text text); // the program writes the box

    void place(Place where, std::size_t offset);
    void type(char32_t character);
    void paste(const Text& pasted);
    void eraseAll(); // select all, then Backspace

private:
    void insert(Text piece);

    Text text_;
    std::size_t cursor_ = 0;
    std::size_t limit_;
    bool oneLine_;
};

// Which cell, if any, reports a pointer event at a point of the window's
// client area: the cells overlap their neighbours by one pixel, later cells
// lie on top of earlier ones, and hidden cells report nothing.
std::optional<int> CellAt(QPoint point, int height);

// The window's rectangle of cell index, in pixels.
QRect CellRectangle(int index);

class EditorModel {
public:
    EditorModel();

    // Pointer events as the cells report them.
    void press(int index);
    void pointerOver(int index);

    // The buttons and the check box.
    void lower();                  // "-"
    void raise();                  // "+"
    void clearAll(bool confirmed); // "neu"
    void fillAll(bool confirmed);  // "neu (schwarz)"
    void invert();                 // "invertieren"
    void refresh();                // "aktualisieren"
    void setGrid(bool ticked);     // "Raster anzeigen"
    void copy();                   // "In die Zwischenablage kopieren"

    Box& nameBox() { return name_; }
    Box& declarationBox() { return declaration_; }
    void putOnClipboard(const Text& text) { clipboard_ = text; } // another program copies

    // What the window shows.
    bool pixel(int index) const;
    bool cellActive(int index) const { return index / Columns < height_; }
    bool border() const { return border_; }
    QString rowCaption(int row) const;
    bool rowCaptionVisible(int row) const { return row < height_; }
    QString column() const { return QString::number(column_); }
    QString row() const { return QString::number(row_); }
    QString highNibble() const { return QString::fromLatin1(highNibble_); }
    QString lowNibble() const { return QString::fromLatin1(lowNibble_); }
    QString declarationShown() const;    // as the box shows it, line breaks as LF
    std::string declarationHeld() const; // as the window holds it: UTF-8, CR LF
    QString height() const { return QString::number(height_); }
    int activeRows() const { return height_; }
    QString name() const { return ToQString(name_.text()); }
    bool grid() const { return grid_; }
    QString clipboard() const { return ToQString(clipboard_); }

private:
    void encodeRow(int row);
    void fullRefresh();
    void buildDeclaration();
    void applyHeight();

    std::array<std::uint8_t, Rows> bytes_{};        // column 0 is the high bit
    std::array<std::uint8_t, Rows> captionBytes_{}; // what each row caption says
    int height_ = MaxHeight;
    int column_ = 0; // from 1; 0 before the first report
    int row_ = 0;
    std::string highNibble_ = "0000";
    std::string lowNibble_ = "0000";
    bool grid_ = false;
    bool border_ = false;
    Box name_;
    Box declaration_;
    Text clipboard_;
};

} // namespace reference
