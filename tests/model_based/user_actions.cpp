#include "user_actions.h"

#include "readable.h"

#include <array>
#include <utility>

namespace {

using reference::Place;
using reference::Text;

// Characters a user types: blanks (the non-breaking one too: AltGr+Space on
// German layouts), umlauts, quotes, a backslash, C punctuation, and
// characters outside the Basic Multilingual Plane.
const Text Typed = U"abcxyzABQ019_ \u00a0\u00e4\u00f6\u00fc\u00df\u00c4\"'\\{};,\u20ac"
                   U"\U0001F600\U0001D11E\U00020BB7";
// A paste into the name box may bring line breaks, tabs and other control
// characters along.
const Text PastedIntoName = Typed + U"\n\t\r\x1b\u0085\u2028";
const Text TypedIntoDeclaration = Typed + U"\n";
const Text PastedIntoDeclaration = Typed + U"\n\t";

// The grid with its frame, in pixels of the client area.
const QRect GridArea(QPoint(12, 13), QPoint(87, 96));
const QRect WindowArea(QPoint(1, 1), QPoint(380, 139));

int Pick(std::mt19937_64& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool Chance(std::mt19937_64& random, int percent) {
    return Pick(random, 1, 100) <= percent;
}

template <typename T, std::size_t N>
T PickWeighted(std::mt19937_64& random, const std::array<std::pair<T, int>, N>& choices) {
    int total = 0;
    for (const auto& choice : choices) {
        total += choice.second;
    }
    int roll = Pick(random, 1, total);
    for (const auto& choice : choices) {
        roll -= choice.second;
        if (roll <= 0) {
            return choice.first;
        }
    }
    return choices.back().first;
}

Text RandomText(std::mt19937_64& random, const Text& alphabet, int shortest, int longest) {
    Text text(std::size_t(Pick(random, shortest, longest)), U' ');
    for (char32_t& character : text) {
        character = alphabet[std::size_t(Pick(random, 0, int(alphabet.size()) - 1))];
    }
    return text;
}

QPoint RandomPointIn(std::mt19937_64& random, const QRect& area) {
    return {Pick(random, area.left(), area.right()), Pick(random, area.top(), area.bottom())};
}

// Mostly the middle of a cell of the sprite, sometimes any pixel of one
// (the overlapping edges included), now and then anywhere over the grid.
QPoint RandomPressPoint(std::mt19937_64& random, const reference::EditorModel& model) {
    if (Chance(random, 10)) {
        return RandomPointIn(random, GridArea);
    }
    const int cell = Pick(random, 0, model.activeRows() * reference::Columns - 1);
    const QRect rectangle = reference::CellRectangle(cell);
    return Chance(random, 70) ? rectangle.center() : RandomPointIn(random, rectangle);
}

Qt::MouseButton RandomButton(std::mt19937_64& random) {
    return PickWeighted<Qt::MouseButton, 3>(
        random, {{{Qt::LeftButton, 60}, {Qt::RightButton, 25}, {Qt::MiddleButton, 15}}});
}

Qt::KeyboardModifiers RandomModifiers(std::mt19937_64& random) {
    return PickWeighted<Qt::KeyboardModifiers, 4>(random, {{{Qt::NoModifier, 70},
                                                            {Qt::ShiftModifier, 15},
                                                            {Qt::ControlModifier, 10},
                                                            {Qt::AltModifier, 5}}});
}

Place RandomPlace(std::mt19937_64& random, int replacePercent) {
    if (Chance(random, replacePercent)) {
        return Place::Replace;
    }
    return PickWeighted<Place, 3>(random,
                                  {{{Place::End, 45}, {Place::Start, 25}, {Place::Offset, 30}}});
}

Reply RandomReply(std::mt19937_64& random) {
    return PickWeighted<Reply, 4>(
        random, {{{Reply::Yes, 45}, {Reply::No, 45}, {Reply::Close, 5}, {Reply::CloseButton, 5}}});
}

ActionKind RandomKind(std::mt19937_64& random) {
    return PickWeighted<ActionKind, 17>(random, {{{ActionKind::Click, 30},
                                                  {ActionKind::DoubleClick, 3},
                                                  {ActionKind::Drag, 4},
                                                  {ActionKind::Hover, 8},
                                                  {ActionKind::Lower, 6},
                                                  {ActionKind::Raise, 6},
                                                  {ActionKind::New, 3},
                                                  {ActionKind::NewBlack, 3},
                                                  {ActionKind::Invert, 4},
                                                  {ActionKind::Refresh, 4},
                                                  {ActionKind::Grid, 4},
                                                  {ActionKind::TypeName, 5},
                                                  {ActionKind::PasteName, 4},
                                                  {ActionKind::TypeDeclaration, 4},
                                                  {ActionKind::PasteDeclaration, 3},
                                                  {ActionKind::TypeHeight, 1},
                                                  {ActionKind::Copy, 5}}});
}

QString ButtonName(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return QStringLiteral("right");
    case Qt::MiddleButton:
        return QStringLiteral("middle");
    default:
        return QStringLiteral("left");
    }
}

QString ModifierNames(Qt::KeyboardModifiers modifiers) {
    QString names;
    if (modifiers & Qt::ShiftModifier) {
        names += QStringLiteral("Shift+");
    }
    if (modifiers & Qt::ControlModifier) {
        names += QStringLiteral("Ctrl+");
    }
    if (modifiers & Qt::AltModifier) {
        names += QStringLiteral("Alt+");
    }
    return names;
}

QString PointName(QPoint point) {
    const std::optional<int> cell = reference::CellAt(point, reference::MaxHeight);
    return QStringLiteral("(%1,%2)%3")
        .arg(point.x())
        .arg(point.y())
        .arg(cell ? QStringLiteral(" over cell %1").arg(*cell) : QString());
}

QString PlaceName(const Action& action) {
    switch (action.where) {
    case Place::Replace:
        return QStringLiteral("replacing all");
    case Place::Start:
        return QStringLiteral("at the start");
    case Place::End:
        return QStringLiteral("at the end");
    case Place::Offset:
        return QStringLiteral("after %1 characters").arg(action.offset);
    }
    return {};
}

QString ReplyName(Reply reply) {
    switch (reply) {
    case Reply::Yes:
        return QStringLiteral("Yes");
    case Reply::No:
        return QStringLiteral("No");
    case Reply::Close:
        return QStringLiteral("close()");
    case Reply::CloseButton:
        return QStringLiteral("the close button");
    }
    return {};
}

QString Quoted(const Text& text) {
    return QLatin1Char('"') + Readable(reference::ToQString(text)) + QLatin1Char('"');
}

// A typed edit: place the cursor (select all and erase for Replace), then type.
void TypeInto(reference::Box& box, const Action& action) {
    box.place(action.where, action.offset);
    if (action.where == Place::Replace) {
        box.eraseAll();
    }
    for (const char32_t character : action.text) {
        box.type(character);
    }
}

// A paste: place the cursor (select all for Replace, which the paste replaces).
void PasteInto(reference::Box& box, const Action& action) {
    box.place(action.where, action.offset);
    if (action.where == Place::Replace) {
        box.eraseAll();
    }
    box.paste(action.text);
}

// The cell that reports a press at point, if any, at the model's height.
std::optional<int> PressedCell(const reference::EditorModel& model, QPoint point) {
    return reference::CellAt(point, model.activeRows());
}

void PerformPointer(const Action& action, EditorDriver& driver, reference::EditorModel& model) {
    const std::optional<int> cell = PressedCell(model, action.point);
    switch (action.kind) {
    case ActionKind::Click:
        driver.click(action.point, action.button, action.modifiers);
        if (cell) {
            model.press(*cell);
        }
        break;
    case ActionKind::DoubleClick:
        // The second press of a double click reaches the cell as a press too.
        driver.doubleClick(action.point, action.button);
        if (cell) {
            model.press(*cell);
            model.press(*cell);
        }
        break;
    case ActionKind::Drag:
        // While the button is held, the cell where the press began reports the moves.
        driver.drag(action.point, action.path, action.button);
        if (cell) {
            model.press(*cell);
            model.pointerOver(*cell);
        }
        break;
    default: // Hover
        if (driver.hover(action.point) && cell) {
            model.pointerOver(*cell);
        }
        break;
    }
}

} // namespace

Action RandomAction(std::mt19937_64& random, const reference::EditorModel& model) {
    Action action;
    action.kind = RandomKind(random);
    switch (action.kind) {
    case ActionKind::Click:
        action.point = RandomPressPoint(random, model);
        action.button = RandomButton(random);
        action.modifiers = RandomModifiers(random);
        break;
    case ActionKind::DoubleClick:
        action.point = RandomPressPoint(random, model);
        action.button = RandomButton(random);
        break;
    case ActionKind::Drag:
        action.point = RandomPressPoint(random, model);
        action.button = RandomButton(random);
        for (int step = Pick(random, 1, 3); step > 0; --step) {
            action.path.push_back(RandomPointIn(random, GridArea));
        }
        break;
    case ActionKind::Hover:
        action.point = RandomPointIn(random, Chance(random, 80) ? GridArea : WindowArea);
        break;
    case ActionKind::New:
    case ActionKind::NewBlack:
        action.reply = RandomReply(random);
        break;
    case ActionKind::Grid:
        action.byKeyboard = Chance(random, 30);
        break;
    case ActionKind::TypeName:
        action.where = RandomPlace(random, 50);
        action.offset = std::size_t(Pick(random, 0, 12));
        action.text = RandomText(random, Typed, 0, 12);
        break;
    case ActionKind::PasteName:
        action.where = RandomPlace(random, 50);
        action.offset = std::size_t(Pick(random, 0, 12));
        action.text = RandomText(random, PastedIntoName, 0, 12);
        break;
    case ActionKind::TypeDeclaration:
        action.where = RandomPlace(random, 10);
        action.offset = std::size_t(Pick(random, 0, 100));
        action.text = RandomText(random, TypedIntoDeclaration, 1, 30);
        break;
    case ActionKind::PasteDeclaration:
        action.where = RandomPlace(random, 10);
        action.offset = std::size_t(Pick(random, 0, 100));
        action.text = RandomText(random, PastedIntoDeclaration, 1, 40);
        break;
    case ActionKind::TypeHeight:
        action.text = RandomText(random, Typed, 1, 3);
        break;
    default:
        break;
    }
    return action;
}

QString Describe(const Action& action) {
    switch (action.kind) {
    case ActionKind::Click:
        return QStringLiteral("%1%2 click at %3")
            .arg(ModifierNames(action.modifiers), ButtonName(action.button),
                 PointName(action.point));
    case ActionKind::DoubleClick:
        return QStringLiteral("%1 double click at %2")
            .arg(ButtonName(action.button), PointName(action.point));
    case ActionKind::Drag: {
        QStringList points;
        for (const QPoint point : action.path) {
            points << PointName(point);
        }
        return QStringLiteral("%1 drag from %2 over %3")
            .arg(ButtonName(action.button), PointName(action.point),
                 points.join(QStringLiteral(", ")));
    }
    case ActionKind::Hover:
        return QStringLiteral("pointer to %1").arg(PointName(action.point));
    case ActionKind::Lower:
        return QStringLiteral("\"-\"");
    case ActionKind::Raise:
        return QStringLiteral("\"+\"");
    case ActionKind::New:
        return QStringLiteral("\"neu\", answered with %1").arg(ReplyName(action.reply));
    case ActionKind::NewBlack:
        return QStringLiteral("\"neu (schwarz)\", answered with %1").arg(ReplyName(action.reply));
    case ActionKind::Invert:
        return QStringLiteral("\"invertieren\"");
    case ActionKind::Refresh:
        return QStringLiteral("\"aktualisieren\"");
    case ActionKind::Grid:
        return action.byKeyboard ? QStringLiteral("space bar on \"Raster anzeigen\"")
                                 : QStringLiteral("click on \"Raster anzeigen\"");
    case ActionKind::TypeName:
        return QStringLiteral("type %1 into Text3 %2").arg(Quoted(action.text), PlaceName(action));
    case ActionKind::PasteName:
        return QStringLiteral("paste %1 into Text3 %2").arg(Quoted(action.text), PlaceName(action));
    case ActionKind::TypeDeclaration:
        return QStringLiteral("type %1 into Text1 %2").arg(Quoted(action.text), PlaceName(action));
    case ActionKind::PasteDeclaration:
        return QStringLiteral("paste %1 into Text1 %2").arg(Quoted(action.text), PlaceName(action));
    case ActionKind::TypeHeight:
        return QStringLiteral("Backspace and %1 typed into the read-only Text2")
            .arg(Quoted(action.text));
    case ActionKind::Copy:
        return QStringLiteral("\"In die Zwischenablage kopieren\"");
    }
    return {};
}

void Perform(const Action& action, EditorDriver& driver, reference::EditorModel& model) {
    switch (action.kind) {
    case ActionKind::Click:
    case ActionKind::DoubleClick:
    case ActionKind::Drag:
    case ActionKind::Hover:
        PerformPointer(action, driver, model);
        break;
    case ActionKind::Lower:
        driver.clickButton("Command5");
        model.lower();
        break;
    case ActionKind::Raise:
        driver.clickButton("Command6");
        model.raise();
        break;
    case ActionKind::New:
        driver.clickAndReply("Command1", action.reply);
        model.clearAll(action.reply == Reply::Yes);
        break;
    case ActionKind::NewBlack:
        driver.clickAndReply("Command3", action.reply);
        model.fillAll(action.reply == Reply::Yes);
        break;
    case ActionKind::Invert:
        driver.clickButton("Command2");
        model.invert();
        break;
    case ActionKind::Refresh:
        driver.clickButton("Command7");
        model.refresh();
        break;
    case ActionKind::Grid:
        driver.toggleGrid(action.byKeyboard);
        model.setGrid(!model.grid());
        break;
    case ActionKind::TypeName:
        driver.typeName(action.where, action.offset, action.text);
        TypeInto(model.nameBox(), action);
        break;
    case ActionKind::PasteName:
        driver.pasteName(action.where, action.offset, action.text);
        model.putOnClipboard(action.text);
        PasteInto(model.nameBox(), action);
        break;
    case ActionKind::TypeDeclaration:
        driver.typeDeclaration(action.where, action.offset, action.text);
        TypeInto(model.declarationBox(), action);
        break;
    case ActionKind::PasteDeclaration:
        driver.pasteDeclaration(action.where, action.offset, action.text);
        model.putOnClipboard(action.text);
        PasteInto(model.declarationBox(), action);
        break;
    case ActionKind::TypeHeight:
        driver.typeHeight(action.text); // read-only: nothing changes
        break;
    case ActionKind::Copy:
        driver.clickButton("Command8");
        model.copy();
        break;
    }
}
