#include "editor_driver.h"
#include "quiet_offscreen.h"
#include "reference_model.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include <functional>

// A short scripted session on the real window, to be run under Valgrind's
// memcheck: every kind of user action once or twice, each checked against
// the reference model so that the run also proves it did what it says.

using reference::Place;
using reference::Text;

namespace {

struct Step {
    const char* what;
    std::function<void(EditorDriver&)> onWindow;
    std::function<void(reference::EditorModel&)> onModel;
};

QPoint CellCentre(int index) {
    return reference::CellRectangle(index).center();
}

Step Press(int cell, Qt::MouseButton button) {
    return {"press a cell",
            [=](EditorDriver& driver) { driver.click(CellCentre(cell), button, Qt::NoModifier); },
            [=](reference::EditorModel& model) { model.press(cell); }};
}

Step Button(const char* what, const char* name,
            std::function<void(reference::EditorModel&)> onModel) {
    return {what, [=](EditorDriver& driver) { driver.clickButton(name); }, std::move(onModel)};
}

Step Ask(const char* what, const char* name, Reply reply,
         std::function<void(reference::EditorModel&)> onModel) {
    return {what, [=](EditorDriver& driver) { driver.clickAndReply(name, reply); },
            std::move(onModel)};
}

void TypeIntoModel(reference::Box& box, Place where, const Text& text) {
    box.place(where, 0);
    if (where == Place::Replace) {
        box.eraseAll();
    }
    for (const char32_t character : text) {
        box.type(character);
    }
}

std::vector<Step> Session() {
    const Text name = U"sprite";
    const Text pasted = U"\U0001F600 b\u00e4r\n";
    const Text comment = U" // gut";
    return {
        Press(0, Qt::LeftButton),
        Press(19, Qt::RightButton),
        Press(71, Qt::MiddleButton),
        Press(19, Qt::LeftButton),
        {"move the pointer", [](EditorDriver& driver) { driver.hover(CellCentre(45)); },
         [](reference::EditorModel& model) { model.pointerOver(45); }},
        {"drag",
         [](EditorDriver& driver) {
             driver.drag(CellCentre(9), {CellCentre(10), CellCentre(11)}, Qt::LeftButton);
         },
         [](reference::EditorModel& model) { model.press(9); }},
        Button("\"-\"", "Command5", [](reference::EditorModel& model) { model.lower(); }),
        Button("\"-\"", "Command5", [](reference::EditorModel& model) { model.lower(); }),
        Button("\"+\"", "Command6", [](reference::EditorModel& model) { model.raise(); }),
        Ask("\"neu\" answered No", "Command1", Reply::No,
            [](reference::EditorModel& model) { model.clearAll(false); }),
        Ask("\"neu (schwarz)\" answered Yes", "Command3", Reply::Yes,
            [](reference::EditorModel& model) { model.fillAll(true); }),
        Button("\"invertieren\"", "Command2",
               [](reference::EditorModel& model) { model.invert(); }),
        Press(12, Qt::LeftButton),
        Ask("\"neu\" answered Yes", "Command1", Reply::Yes,
            [](reference::EditorModel& model) { model.clearAll(true); }),
        Ask("\"neu (schwarz)\" closed", "Command3", Reply::CloseButton,
            [](reference::EditorModel& model) { model.fillAll(false); }),
        Press(27, Qt::LeftButton),
        {"tick the grid", [](EditorDriver& driver) { driver.toggleGrid(false); },
         [](reference::EditorModel& model) { model.setGrid(true); }},
        {"untick the grid", [](EditorDriver& driver) { driver.toggleGrid(true); },
         [](reference::EditorModel& model) { model.setGrid(false); }},
        {"type a name", [=](EditorDriver& driver) { driver.typeName(Place::Replace, 0, name); },
         [=](reference::EditorModel& model) {
             TypeIntoModel(model.nameBox(), Place::Replace, name);
         }},
        {"paste into the name",
         [=](EditorDriver& driver) { driver.pasteName(Place::End, 0, pasted); },
         [=](reference::EditorModel& model) {
             model.putOnClipboard(pasted);
             model.nameBox().place(Place::End, 0);
             model.nameBox().paste(pasted);
         }},
        Button("\"aktualisieren\"", "Command7",
               [](reference::EditorModel& model) { model.refresh(); }),
        {"type into the declaration",
         [=](EditorDriver& driver) { driver.typeDeclaration(Place::End, 0, comment); },
         [=](reference::EditorModel& model) {
             TypeIntoModel(model.declarationBox(), Place::End, comment);
         }},
        Button("copy", "Command8", [](reference::EditorModel& model) { model.copy(); }),
    };
}

} // namespace

class MemcheckSession : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void scriptedSessionMatchesTheModel() {
        EditorDriver driver;
        reference::EditorModel model;
        for (const Step& step : Session()) {
            step.onWindow(driver);
            step.onModel(model);
            const QStringList differences = driver.differencesFrom(model);
            QVERIFY2(differences.isEmpty(),
                     qPrintable(QLatin1String(step.what) + QLatin1String(":\n") +
                                differences.join(QLatin1Char('\n'))));
        }
        // Ten characters of name: the paste loses its line break and its end.
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("static unsigned char sprite\U0001F600 b\u00e4[] = "
                                "{0x00,0x00,0x00,0x10,0x00,0x00,0x00,0x00}; // gut"));
    }
};

QTEST_MAIN(MemcheckSession)
#include "memcheck_session.moc"
