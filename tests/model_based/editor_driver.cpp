#include "editor_driver.h"

#include "cell_widget.h"
#include "readable.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

namespace {

QString Hex(kobalin::Rgb colour) {
    return QStringLiteral("%1").arg(colour, 6, 16, QLatin1Char('0')).toUpper();
}

QString YesNo(bool flag) {
    return flag ? QStringLiteral("true") : QStringLiteral("false");
}

// Collects what the window shows differently from the model. It is called
// after every action on some 300 properties, so names and texts are only
// formatted for a difference.
class Differences {
public:
    template <typename Name>
    void text(const Name& name, const QString& shown, const QString& expected) {
        if (shown != expected) {
            list_ << QStringLiteral("%1 shows \"%2\", expected \"%3\"")
                         .arg(name(), Readable(shown), Readable(expected));
        }
    }
    template <typename Name> void flag(const Name& name, bool shown, bool expected) {
        if (shown != expected) {
            list_ << QStringLiteral("%1 is %2, expected %3")
                         .arg(name(), YesNo(shown), YesNo(expected));
        }
    }
    template <typename Name>
    void colour(const Name& name, kobalin::Rgb shown, kobalin::Rgb expected) {
        if (shown != expected) {
            list_ << QStringLiteral("%1 is filled %2, expected %3")
                         .arg(name(), Hex(shown), Hex(expected));
        }
    }
    void add(const QStringList& problems) { list_ << problems; }
    QStringList list() const { return list_; }

private:
    QStringList list_;
};

auto Named(const char* name) {
    return [name] { return QString::fromLatin1(name); };
}

// The characters the box holds, exactly: QPlainTextEdit::toPlainText() would
// turn a non-breaking space into a plain one.
QString BoxText(const QPlainTextEdit* box) {
    return box->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, key, modifiers);
}

// Types one character as a key press and release.
void TypeCharacter(QWidget* widget, char32_t character) {
    if (character == U'\n') {
        Key(widget, Qt::Key_Return);
        return;
    }
    // A Latin-1 key reports its upper-case code as the key; any other
    // character comes, as from an input method, with an unknown key.
    const QChar upper = character < 0x100 ? QChar(char16_t(character)).toUpper() : QChar();
    const bool latin1Key = character < 0x100 && upper.unicode() < 0x100;
    const Qt::Key key = latin1Key ? Qt::Key(upper.unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, widget, key, QString::fromUcs4(&character, 1),
                        Qt::NoModifier);
}

} // namespace

EditorDriver::EditorDriver() : window_(std::make_unique<kobalin::EditorWindow>(platform_)) {
    for (int index = 0; index < reference::CellCount; ++index) {
        cells_[std::size_t(index)] =
            control<kobalin::CellWidget>(QStringLiteral("Picture1_%1").arg(index));
    }
    for (int row = 0; row < reference::Rows; ++row) {
        rowCaptions_[std::size_t(row)] = control<QLabel>(QStringLiteral("Label1_%1").arg(row));
    }
    column_ = control<QLabel>(QStringLiteral("Label3"));
    row_ = control<QLabel>(QStringLiteral("Label4"));
    highNibble_ = control<QLabel>(QStringLiteral("Label5"));
    lowNibble_ = control<QLabel>(QStringLiteral("Label6"));
    declaration_ = control<QPlainTextEdit>(QStringLiteral("Text1"));
    height_ = control<QLineEdit>(QStringLiteral("Text2"));
    name_ = control<QLineEdit>(QStringLiteral("Text3"));
    grid_ = control<QCheckBox>(QStringLiteral("Check2"));

    dialogWatch_.setInterval(0);
    QObject::connect(&dialogWatch_, &QTimer::timeout, &dialogWatch_, [this] { watchDialogs(); });

    // Each run starts with an empty clipboard, as the model does.
    QGuiApplication::clipboard()->clear();
    window_->show();
    // The offscreen platform exposes the window at once; waiting would only
    // add a fixed pause to every one of the many windows the tests open.
    QCoreApplication::processEvents();
    if (!window_->windowHandle()->isExposed() && !QTest::qWaitForWindowExposed(window_.get())) {
        problems_ << QStringLiteral("the window was never shown");
    }
    // The toolkit remembers the pointer's place across windows: every run
    // starts with it on the window's bare background, over no control.
    hover(QPoint(1, 1));
    // Painting after every event is half the cost of an action under
    // AddressSanitizer, and the tests read what the controls hold, not
    // pixels: the window paints all of itself every few actions instead.
    window_->setUpdatesEnabled(false);
}

EditorDriver::~EditorDriver() = default;

template <typename Widget> Widget* EditorDriver::control(const QString& name) const {
    auto* widget = window_->findChild<Widget*>(name);
    if (widget == nullptr) {
        qFatal("no control named %s", qPrintable(name));
    }
    return widget;
}

QWindow* EditorDriver::handle() const {
    return window_->windowHandle();
}

void EditorDriver::click(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    guarded([&] { QTest::mouseClick(handle(), button, modifiers, point); }, std::nullopt);
    pointer_ = point;
}

void EditorDriver::doubleClick(QPoint point, Qt::MouseButton button) {
    guarded([&] { QTest::mouseDClick(handle(), button, Qt::NoModifier, point); }, std::nullopt);
    pointer_ = point;
}

void EditorDriver::drag(QPoint from, const std::vector<QPoint>& path, Qt::MouseButton button) {
    guarded(
        [&] {
            QTest::mousePress(handle(), button, Qt::NoModifier, from);
            for (const QPoint point : path) {
                QTest::mouseMove(handle(), point);
            }
            QTest::mouseRelease(handle(), button, Qt::NoModifier, path.back());
        },
        std::nullopt);
    pointer_ = path.back();
}

bool EditorDriver::hover(QPoint point) {
    guarded([&] { QTest::mouseMove(handle(), point); }, std::nullopt);
    const bool moved = point != pointer_;
    pointer_ = point;
    return moved;
}

void EditorDriver::clickButton(const char* name) {
    auto* button = control<QPushButton>(QLatin1String(name));
    guarded([&] { QTest::mouseClick(button, Qt::LeftButton); }, std::nullopt);
}

void EditorDriver::clickAndReply(const char* name, Reply reply) {
    auto* button = control<QPushButton>(QLatin1String(name));
    guarded([&] { QTest::mouseClick(button, Qt::LeftButton); }, reply);
}

void EditorDriver::toggleGrid(bool byKeyboard) {
    guarded(
        [&] {
            if (byKeyboard) {
                Key(grid_, Qt::Key_Space);
            } else {
                QTest::mouseClick(grid_, Qt::LeftButton);
            }
        },
        std::nullopt);
}

void EditorDriver::placeInName(reference::Place where, std::size_t offset) {
    switch (where) {
    case reference::Place::Replace:
        Key(name_, Qt::Key_A, Qt::ControlModifier);
        break;
    case reference::Place::Start:
        Key(name_, Qt::Key_Home);
        break;
    case reference::Place::End:
        Key(name_, Qt::Key_End);
        break;
    case reference::Place::Offset:
        Key(name_, Qt::Key_Home);
        for (std::size_t step = 0; step < offset; ++step) {
            Key(name_, Qt::Key_Right);
        }
        break;
    }
}

void EditorDriver::placeInDeclaration(reference::Place where, std::size_t offset) {
    switch (where) {
    case reference::Place::Replace:
        Key(declaration_, Qt::Key_A, Qt::ControlModifier);
        break;
    case reference::Place::Start:
        Key(declaration_, Qt::Key_Home, Qt::ControlModifier);
        break;
    case reference::Place::End:
        Key(declaration_, Qt::Key_End, Qt::ControlModifier);
        break;
    case reference::Place::Offset:
        Key(declaration_, Qt::Key_Home, Qt::ControlModifier);
        for (std::size_t step = 0; step < offset; ++step) {
            Key(declaration_, Qt::Key_Right);
        }
        break;
    }
}

void EditorDriver::typeName(reference::Place where, std::size_t offset,
                            const reference::Text& text) {
    guarded(
        [&] {
            placeInName(where, offset);
            if (where == reference::Place::Replace) {
                Key(name_, Qt::Key_Backspace);
            }
            for (const char32_t character : text) {
                TypeCharacter(name_, character);
            }
        },
        std::nullopt);
}

void EditorDriver::pasteName(reference::Place where, std::size_t offset,
                             const reference::Text& text) {
    guarded(
        [&] {
            QGuiApplication::clipboard()->setText(reference::ToQString(text));
            placeInName(where, offset);
            Key(name_, Qt::Key_V, Qt::ControlModifier);
        },
        std::nullopt);
}

void EditorDriver::typeDeclaration(reference::Place where, std::size_t offset,
                                   const reference::Text& text) {
    guarded(
        [&] {
            placeInDeclaration(where, offset);
            if (where == reference::Place::Replace) {
                Key(declaration_, Qt::Key_Backspace);
            }
            for (const char32_t character : text) {
                TypeCharacter(declaration_, character);
            }
        },
        std::nullopt);
}

void EditorDriver::pasteDeclaration(reference::Place where, std::size_t offset,
                                    const reference::Text& text) {
    guarded(
        [&] {
            QGuiApplication::clipboard()->setText(reference::ToQString(text));
            placeInDeclaration(where, offset);
            Key(declaration_, Qt::Key_V, Qt::ControlModifier);
        },
        std::nullopt);
}

void EditorDriver::typeHeight(const reference::Text& text) {
    guarded(
        [&] {
            Key(height_, Qt::Key_End);
            Key(height_, Qt::Key_Backspace);
            for (const char32_t character : text) {
                TypeCharacter(height_, character);
            }
        },
        std::nullopt);
}

void EditorDriver::guarded(const std::function<void()>& action, std::optional<Reply> reply) {
    expectedReply_ = reply;
    questionsAnswered_ = 0;
    dialogWatch_.start();
    action();
    dialogWatch_.stop();
    if (++actions_ % PaintEvery == 0) {
        paint();
    }
    if (reply.has_value() && questionsAnswered_ != 1) {
        problems_ << QStringLiteral("the question \"Sind Sie sicher?\" was not asked");
    }
    expectedReply_.reset();
}

void EditorDriver::paint() {
    window_->setUpdatesEnabled(true); // schedules a repaint of the whole window
    QCoreApplication::processEvents();
    window_->setUpdatesEnabled(false);
}

void EditorDriver::watchDialogs() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box != nullptr && box->objectName() == QLatin1String("question") &&
        expectedReply_.has_value() && questionsAnswered_ == 0) {
        ++questionsAnswered_;
        if (box->text() != QLatin1String("Sind Sie sicher?")) {
            problems_ << QStringLiteral("the question reads \"%1\"").arg(Readable(box->text()));
        }
        switch (*expectedReply_) {
        case Reply::Yes:
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
            break;
        case Reply::No:
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
            break;
        case Reply::Close:
            box->close();
            break;
        case Reply::CloseButton: {
            QCloseEvent closeRequest;
            QCoreApplication::sendEvent(box->windowHandle(), &closeRequest);
            break;
        }
        }
        return;
    }
    problems_ << QStringLiteral("unexpected dialog \"%1\": %2")
                     .arg(modal->objectName(), box != nullptr ? Readable(box->text()) : QString());
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

QStringList EditorDriver::differencesFrom(const reference::EditorModel& model) {
    Differences differences;
    differences.add(problems_);
    problems_.clear();
    for (int index = 0; index < reference::CellCount; ++index) {
        const kobalin::CellWidget* cell = cells_[std::size_t(index)];
        const auto cellName = [index](const char* property) {
            return [index, property] {
                return QStringLiteral("Picture1_%1 %2").arg(index).arg(QLatin1String(property));
            };
        };
        differences.colour(cellName("fill"), cell->fillColour(),
                           model.pixel(index) ? kobalin::Black : kobalin::White);
        differences.flag(cellName("visible"), cell->isVisible(), model.cellActive(index));
        differences.flag(cellName("enabled"), cell->isEnabled(), model.cellActive(index));
        differences.flag(cellName("border"), cell->border() == kobalin::BorderStyle::Single,
                         model.border());
    }
    for (int row = 0; row < reference::Rows; ++row) {
        const QLabel* caption = rowCaptions_[std::size_t(row)];
        const auto captionName = [row](const char* property) {
            return [row, property] {
                return QStringLiteral("Label1_%1%2").arg(row).arg(QLatin1String(property));
            };
        };
        differences.text(captionName(""), caption->text(), model.rowCaption(row));
        differences.flag(captionName(" visible"), caption->isVisible(),
                         model.rowCaptionVisible(row));
    }
    differences.text(Named("Label3"), column_->text(), model.column());
    differences.text(Named("Label4"), row_->text(), model.row());
    differences.text(Named("Label5"), highNibble_->text(), model.highNibble());
    differences.text(Named("Label6"), lowNibble_->text(), model.lowNibble());
    differences.text(Named("Text1"), BoxText(declaration_), model.declarationShown());
    differences.text(Named("the window's Text1"), QString::fromStdString(window_->state().Text1),
                     QString::fromStdString(model.declarationHeld()));
    differences.text(Named("Text2"), height_->text(), model.height());
    differences.text(Named("Text3"), name_->text(), model.name());
    differences.flag(Named("Check2 ticked"), grid_->isChecked(), model.grid());
    differences.text(Named("the clipboard"), QGuiApplication::clipboard()->text(),
                     model.clipboard());
    return differences.list();
}
