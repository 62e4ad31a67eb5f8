#include "reference_model.h"

#include <QList>

#include <algorithm>
#include <iterator>

namespace reference {

namespace {

// The declaration of the clear sprite of height 9 named "bild", followed by
// one line break: the window's fixed start text.
const Text StartText =
    U"static unsigned char bild[] = {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\n";

std::string Nibble(std::uint8_t bits) {
    std::string digits;
    for (int weight = 8; weight > 0; weight /= 2) {
        digits += (bits & weight) != 0 ? '1' : '0';
    }
    return digits;
}

bool IsControl(char32_t character) {
    const bool c0 = character < 0x20;
    const bool deleteOrC1 = character >= 0x7F && character <= 0x9F;
    const bool lineOrParagraphSeparator = character == 0x2028 || character == 0x2029;
    return c0 || deleteOrC1 || lineOrParagraphSeparator;
}

// What a one-line box keeps of a paste.
Text WithoutControls(const Text& pasted) {
    Text kept;
    std::copy_if(pasted.begin(), pasted.end(), std::back_inserter(kept),
                 [](char32_t character) { return !IsControl(character); });
    return kept;
}

// A multi-line box takes CR LF and a lone CR as one line break.
Text WithLineFeeds(const Text& pasted) {
    Text kept;
    for (std::size_t i = 0; i < pasted.size(); ++i) {
        if (pasted[i] != U'\r') {
            kept += pasted[i];
        } else if (i + 1 == pasted.size() || pasted[i + 1] != U'\n') {
            kept += U'\n';
        }
    }
    return kept;
}

} // namespace

Text FromQString(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    return Text(codePoints.begin(), codePoints.end());
}

QString ToQString(const Text& text) {
    return QString::fromUcs4(text.data(), qsizetype(text.size()));
}

Box::Box(Text text, std::size_t limit, bool oneLine)
    : text_(std::move(text)), limit_(limit), oneLine_(oneLine) {}

void Box::replaceText(Text text) {
    text_ = std::move(text);
    cursor_ = 0;
}

void Box::place(Place where, std::size_t offset) {
    switch (where) {
    case Place::Replace:
    case Place::Start:
        cursor_ = 0;
        break;
    case Place::End:
        cursor_ = text_.size();
        break;
    case Place::Offset:
        cursor_ = std::min(offset, text_.size());
        break;
    }
}

void Box::type(char32_t character) {
    insert(Text(1, character));
}

void Box::paste(const Text& pasted) {
    insert(oneLine_ ? WithoutControls(pasted) : WithLineFeeds(pasted));
}

void Box::eraseAll() {
    replaceText({});
}

void Box::insert(Text piece) {
    // A full box takes nothing more; a paste keeps as much of its start as fits.
    const std::size_t room = text_.size() < limit_ ? limit_ - text_.size() : 0;
    piece.resize(std::min(piece.size(), room));
    text_.insert(cursor_, piece);
    cursor_ += piece.size();
}

QRect CellRectangle(int index) {
    const int row = index / Columns;
    const int column = index % Columns;
    // 150 twips square at a pitch of 135 twips, from 195 and 210 twips; 15 twips a pixel.
    return {(195 + 135 * column) / 15, (210 + 135 * row) / 15, 10, 10};
}

std::optional<int> CellAt(QPoint point, int height) {
    for (int index = height * Columns - 1; index >= 0; --index) {
        if (CellRectangle(index).contains(point)) {
            return index;
        }
    }
    return std::nullopt;
}

EditorModel::EditorModel()
    : name_(U"bild", MaxNameCharacters, true),
      declaration_(StartText, MaxDeclarationCharacters, false) {}

void EditorModel::press(int index) {
    pointerOver(index);
    const int row = index / Columns;
    bytes_[row] ^= std::uint8_t(0x80 >> (index % Columns));
    encodeRow(row);
    buildDeclaration();
}

void EditorModel::pointerOver(int index) {
    column_ = index % Columns + 1;
    row_ = index / Columns + 1;
}

void EditorModel::lower() {
    height_ = std::max(height_ - 1, 1);
    applyHeight();
    fullRefresh();
}

void EditorModel::raise() {
    height_ = std::min(height_ + 1, MaxHeight);
    applyHeight();
    fullRefresh();
}

void EditorModel::clearAll(bool confirmed) {
    if (!confirmed) {
        return;
    }
    std::fill_n(bytes_.begin(), height_, std::uint8_t{0x00});
    fullRefresh();
}

void EditorModel::fillAll(bool confirmed) {
    if (!confirmed) {
        return;
    }
    std::fill_n(bytes_.begin(), height_, std::uint8_t{0xFF});
    fullRefresh();
}

void EditorModel::invert() {
    std::for_each_n(bytes_.begin(), height_, [](std::uint8_t& bits) { bits ^= 0xFF; });
    fullRefresh();
}

void EditorModel::refresh() {
    fullRefresh();
    highNibble_ = "0000";
    lowNibble_ = "0000";
}

void EditorModel::setGrid(bool ticked) {
    grid_ = ticked;
    border_ = ticked;
}

void EditorModel::copy() {
    clipboard_ = FromQString(QString::fromStdString(declarationHeld()));
}

bool EditorModel::pixel(int index) const {
    return (bytes_[index / Columns] & (0x80 >> (index % Columns))) != 0;
}

QString EditorModel::rowCaption(int row) const {
    return QStringLiteral("%1").arg(uint(captionBytes_[row]), 2, 16, QLatin1Char('0')).toUpper();
}

QString EditorModel::declarationShown() const {
    return ToQString(declaration_.text());
}

std::string EditorModel::declarationHeld() const {
    return declarationShown().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

void EditorModel::encodeRow(int row) {
    highNibble_ = Nibble(bytes_[row] >> 4);
    lowNibble_ = Nibble(bytes_[row] & 0x0F);
    captionBytes_[row] = bytes_[row];
}

void EditorModel::fullRefresh() {
    for (int row = 0; row < Rows; ++row) {
        encodeRow(row);
    }
    buildDeclaration();
}

void EditorModel::buildDeclaration() {
    Text text = U"static unsigned char ";
    text += name_.text().empty() ? U"XXXXX" : name_.text();
    text += U"[] = {";
    for (int row = 0; row < height_; ++row) {
        text += U"0x" + FromQString(rowCaption(row)) + (row + 1 < height_ ? U"," : U"};");
    }
    declaration_.replaceText(text);
}

void EditorModel::applyHeight() {
    // Rows below the height lose their pixels for good.
    std::fill(bytes_.begin() + height_, bytes_.end(), std::uint8_t{0x00});
    std::fill(captionBytes_.begin() + height_, captionBytes_.end(), std::uint8_t{0x00});
}

} // namespace reference
