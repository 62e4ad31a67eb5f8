#pragma once

#include "editor_driver.h"
#include "reference_model.h"

#include <QPoint>
#include <QString>

#include <random>
#include <vector>

enum class ActionKind {
    Click,
    DoubleClick,
    Drag,
    Hover,
    Lower,
    Raise,
    New,
    NewBlack,
    Invert,
    Refresh,
    Grid,
    TypeName,
    PasteName,
    TypeDeclaration,
    PasteDeclaration,
    TypeHeight,
    Copy,
};

// One thing the user does. Points are in the window's client area; which
// cell, if any, lies there is worked out when the action is performed, so
// that any subsequence of a recorded sequence can be replayed.
struct Action {
    ActionKind kind = ActionKind::Click;
    QPoint point;
    std::vector<QPoint> path; // Drag: where the pointer goes with the button held
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
    Reply reply = Reply::Yes;
    bool byKeyboard = false; // Grid: the space bar rather than the mouse
    reference::Place where = reference::Place::End;
    std::size_t offset = 0;
    reference::Text text;
};

// A random action. The model, in the state before the action, steers most
// presses onto cells of the sprite.
Action RandomAction(std::mt19937_64& random, const reference::EditorModel& model);

QString Describe(const Action& action);

// Does the action on the real window and on the model alike.
void Perform(const Action& action, EditorDriver& driver, reference::EditorModel& model);
