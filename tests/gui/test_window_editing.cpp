// Drawing with the mouse, the height buttons and the whole-sprite commands,
// driven through the real window.

#include "gui_support.h"

using namespace kobalin;

Q_DECLARE_METATYPE(std::function<void(QMessageBox*)>)

namespace {

QString Declaration(const QString& name, const QStringList& rows) {
    return QStringLiteral("static unsigned char %1[] = {0x%2};").arg(name, rows.join(",0x"));
}

QStringList Repeated(const QString& caption, int count) {
    return QStringList(count, caption);
}

// What the cell really paints, without the neighbours that overlap it.
QImage Painted(CellWidget* cell) {
    return cell->grab().toImage();
}

} // namespace

class TestWindowEditing : public QObject {
    Q_OBJECT

private slots:
    void init() {
        editor_ = OpenEditor();
        QVERIFY(!QTest::currentTestFailed());
    }
    void cleanup() { editor_.reset(); }

    void pressTogglesTheCellAndRewritesItsRow() {
        editor_->click(editor_->cells[19]);

        QCOMPARE(editor_->label(3)->text(), "4");
        QCOMPARE(editor_->label(4)->text(), "3");
        QCOMPARE(editor_->cells[19]->fillColour(), Black);
        QCOMPARE(Painted(editor_->cells[19]).pixel(5, 5), qRgb(0, 0, 0));
        QCOMPARE(editor_->rowCaptions[2]->text(), "10");
        QCOMPARE(editor_->label(5)->text(), "0001");
        QCOMPARE(editor_->label(6)->text(), "0000");
        const QString drawn = "static unsigned char bild[] = "
                              "{0x00,0x00,0x10,0x00,0x00,0x00,0x00,0x00,0x00};";
        QCOMPARE(editor_->text1()->toPlainText(), drawn);
        QCOMPARE(editor_->window->state().Text1, drawn.toStdString());
        QCOMPARE(BlackCells(), QList<int>{19});

        editor_->click(editor_->cells[19]);

        QCOMPARE(editor_->cells[19]->fillColour(), White);
        QCOMPARE(Painted(editor_->cells[19]).pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(editor_->rowCaptions[2]->text(), "00");
        QCOMPARE(editor_->text1()->toPlainText(), Declaration("bild", Repeated("00", 9)));
        QVERIFY(BlackCells().isEmpty());
    }

    void pressShowsColumnAndRowFromOne_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("row");
        const auto row = [](const char* name, int cell, const char* column, const char* row) {
            QTest::newRow(name) << cell << QString(column) << QString(row);
        };
        row("top left", 0, "1", "1");
        row("top right", 7, "8", "1");
        row("bottom left", 64, "1", "9");
        row("bottom right", 71, "8", "9");
    }
    void pressShowsColumnAndRowFromOne() {
        QFETCH(int, cell);
        QFETCH(QString, column);
        QFETCH(QString, row);
        editor_->click(editor_->cells[cell]);
        QCOMPARE(editor_->label(3)->text(), column);
        QCOMPARE(editor_->label(4)->text(), row);
        QCOMPARE(BlackCells(), QList<int>{cell});
    }

    void everyMouseButtonToggles_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void everyMouseButtonToggles() {
        QFETCH(Qt::MouseButton, button);
        editor_->click(editor_->cells[19], button);
        QCOMPARE(editor_->cells[19]->fillColour(), Black);
        QCOMPARE(editor_->rowCaptions[2]->text(), "10");
        editor_->click(editor_->cells[19], button);
        QCOMPARE(editor_->cells[19]->fillColour(), White);
        QCOMPARE(editor_->rowCaptions[2]->text(), "00");
    }

    void draggingTogglesOnlyTheCellFirstPressed() {
        QWindow* window = editor_->window->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, editor_->centreOf(editor_->cells[19]));
        for (int over : {20, 21, 29, 37}) {
            QTest::mouseMove(window, editor_->centreOf(editor_->cells[over]));
            QCOMPARE(BlackCells(), QList<int>{19});
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, editor_->centreOf(editor_->cells[37]));

        QCOMPARE(BlackCells(), QList<int>{19});
        QCOMPARE(editor_->rowCaptions[2]->text(), "10");
        QCOMPARE(editor_->rowCaptions[3]->text(), "00");
        QCOMPARE(editor_->rowCaptions[4]->text(), "00");
    }

    void movingWithoutAButtonOnlyShowsThePosition() {
        editor_->click(editor_->cells[0]);
        WindowState expected = editor_->window->state();

        editor_->moveOver(editor_->cells[45]);
        expected.Label3 = "6";
        expected.Label4 = "6";
        QCOMPARE(editor_->label(3)->text(), "6");
        QCOMPARE(editor_->label(4)->text(), "6");
        QVERIFY(editor_->window->state() == expected);
        QCOMPARE(BlackCells(), QList<int>{0});
        QCOMPARE(editor_->label(5)->text(), "1000");

        // Leaving the grid keeps the last position shown.
        QTest::mouseMove(editor_->window->windowHandle(), editor_->centreOf(editor_->label(9)));
        QCOMPARE(editor_->label(3)->text(), "6");
        QCOMPARE(editor_->label(4)->text(), "6");
    }

    void heightButtonsHideAndClearTheRowsBelow() {
        editor_->click(editor_->cells[56]); // row 7, column 0
        editor_->click(editor_->cells[71]); // row 8, column 7
        editor_->click(editor_->command(5));

        QCOMPARE(editor_->text2()->text(), "8");
        for (int i = 64; i < 72; ++i) {
            QVERIFY(!editor_->cells[i]->isVisible());
            QVERIFY(!editor_->cells[i]->isEnabled());
        }
        QVERIFY(!editor_->rowCaptions[8]->isVisible());
        QCOMPARE(editor_->cells[71]->fillColour(), White);
        QCOMPARE(editor_->text1()->toPlainText(), Declaration("bild", Repeated("00", 7) << "80"));
        QCOMPARE(editor_->label(5)->text(), "0000");
        QCOMPARE(editor_->label(6)->text(), "0000");

        // The lowered row comes back blank.
        editor_->click(editor_->command(6));
        QCOMPARE(editor_->text2()->text(), "9");
        for (int i = 64; i < 72; ++i) {
            QVERIFY(editor_->cells[i]->isVisible());
            QVERIFY(editor_->cells[i]->isEnabled());
        }
        QVERIFY(editor_->rowCaptions[8]->isVisible());
        QCOMPARE(editor_->rowCaptions[8]->text(), "00");
        QCOMPARE(BlackCells(), QList<int>{56});
        QCOMPARE(editor_->text1()->toPlainText(), Declaration("bild", Repeated("00", 7) << "80"
                                                                                        << "00"));
    }

    void heightStepsByOneFromOneToNine() {
        editor_->click(editor_->command(6));
        QCOMPARE(editor_->text2()->text(), "9");
        for (int height = 8; height >= 0; --height) {
            editor_->click(editor_->command(5));
            QCOMPARE(editor_->text2()->text(), QString::number(std::max(height, 1)));
        }
        for (int row = 0; row < Rows; ++row) {
            QCOMPARE(editor_->rowCaptions[row]->isVisible(), row == 0);
            QCOMPARE(editor_->cells[row * 8 + 3]->isVisible(), row == 0);
        }
        QCOMPARE(editor_->text1()->toPlainText(), "static unsigned char bild[] = {0x00};");
        for (int height = 2; height <= 10; ++height) {
            editor_->click(editor_->command(6));
            QCOMPARE(editor_->text2()->text(), QString::number(std::min(height, 9)));
        }
        QCOMPARE(editor_->text1()->toPlainText(), Declaration("bild", Repeated("00", 9)));
    }

    void newAsksFirst_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<std::function<void(QMessageBox*)>>("answer");
        QTest::addColumn<QString>("rowCaption");
        QTest::newRow("neu, Yes") << 1 << ClickButton(QMessageBox::Yes) << "00";
        QTest::newRow("neu, No") << 1 << ClickButton(QMessageBox::No) << "untouched";
        QTest::newRow("neu, Escape") << 1 << std::function(PressEscape) << "untouched";
        QTest::newRow("neu (schwarz), Yes") << 3 << ClickButton(QMessageBox::Yes) << "FF";
        QTest::newRow("neu (schwarz), No") << 3 << ClickButton(QMessageBox::No) << "untouched";
        QTest::newRow("neu (schwarz), Escape") << 3 << std::function(PressEscape) << "untouched";
    }
    void newAsksFirst() {
        QFETCH(int, command);
        QFETCH(std::function<void(QMessageBox*)>, answer);
        QFETCH(QString, rowCaption);
        editor_->click(editor_->cells[19]);
        const WindowState before = editor_->window->state();

        BoxAnswerer question(answer);
        editor_->click(editor_->command(command));

        QVERIFY(question.seen().seen);
        QCOMPARE(question.seen().name, "question");
        QCOMPARE(question.seen().text, "Sind Sie sicher?");
        QCOMPARE(question.seen().title, "Kobalin");
        QCOMPARE(question.seen().icon, QMessageBox::NoIcon);
        QCOMPARE(question.seen().defaultButton, QMessageBox::Yes);
        QCOMPARE(question.seen().buttons.size(), 2);
        QVERIFY(question.seen().buttons.contains(QMessageBox::Yes));
        QVERIFY(question.seen().buttons.contains(QMessageBox::No));

        if (rowCaption == "untouched") {
            QVERIFY(editor_->window->state() == before);
            QCOMPARE(BlackCells(), QList<int>{19});
            return;
        }
        const Rgb fill = rowCaption == "FF" ? Black : White;
        for (const CellWidget* cell : editor_->cells) {
            QCOMPARE(cell->fillColour(), fill);
        }
        for (const QLabel* caption : editor_->rowCaptions) {
            QCOMPARE(caption->text(), rowCaption);
        }
        const QString nibble = rowCaption == "FF" ? "1111" : "0000";
        QCOMPARE(editor_->label(5)->text(), nibble);
        QCOMPARE(editor_->label(6)->text(), nibble);
        QCOMPARE(editor_->text1()->toPlainText(), Declaration("bild", Repeated(rowCaption, 9)));
    }

    void theOpenQuestionBlocksTheWindow() {
        BoxAnswerer question([this](QMessageBox* box) {
            editor_->click(editor_->cells[0]);
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        editor_->click(editor_->command(3));
        QVERIFY(question.seen().seen);
        QVERIFY(BlackCells().isEmpty());
        QCOMPARE(editor_->window->state(), WindowState{});
    }

    void invertTurnsEveryActiveCell() {
        editor_->click(editor_->cells[19]);
        editor_->click(editor_->command(2));

        QCOMPARE(BlackCells().size(), CellCount - 1);
        QCOMPARE(editor_->cells[19]->fillColour(), White);
        QCOMPARE(editor_->rowCaptions[2]->text(), "EF");
        QCOMPARE(editor_->label(5)->text(), "1111");
        QCOMPARE(editor_->label(6)->text(), "1111");
        QCOMPARE(editor_->text1()->toPlainText(),
                 Declaration("bild", QStringList{"FF", "FF", "EF"} << Repeated("FF", 6)));

        editor_->click(editor_->command(2));
        QCOMPARE(BlackCells(), QList<int>{19});
        QCOMPARE(editor_->label(5)->text(), "0000");

        // At height 1 only the top row is part of the sprite.
        for (int step = 0; step < 8; ++step) {
            editor_->click(editor_->command(5));
        }
        editor_->click(editor_->command(2));
        QCOMPARE(BlackCells(), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(editor_->text1()->toPlainText(), "static unsigned char bild[] = {0xFF};");
    }

    void refreshWritesTheTypedName() {
        // Right after the start the rebuild only drops the line break.
        editor_->click(editor_->command(7));
        QCOMPARE(editor_->text1()->toPlainText(), Declaration("bild", Repeated("00", 9)));

        editor_->click(editor_->cells[71]);
        QCOMPARE(editor_->label(6)->text(), "0001");
        QLineEdit* name = editor_->text3();
        name->setFocus();
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), "");
        QCOMPARE(editor_->text1()->toPlainText(),
                 Declaration("bild", Repeated("00", 8) << "01")); // not yet rebuilt

        editor_->click(editor_->command(7));
        QCOMPARE(editor_->text1()->toPlainText(), Declaration("XXXXX", Repeated("00", 8) << "01"));
        QCOMPARE(BlackCells(), QList<int>{71});
        QCOMPARE(editor_->label(5)->text(), "0000");
        QCOMPARE(editor_->label(6)->text(), "0000");
    }

    void gridBoxFramesEveryCell() {
        editor_->click(editor_->cells[19]);
        editor_->click(editor_->command(5)); // row 8 hidden
        editor_->click(editor_->check2());

        QVERIFY(editor_->check2()->isChecked());
        for (const CellWidget* cell : editor_->cells) {
            QCOMPARE(cell->border(), BorderStyle::Single);
        }
        const QRgb ink = editor_->cells[0]->palette().color(QPalette::WindowText).rgb();
        const QImage framedWhite = Painted(editor_->cells[0]);
        for (const QPoint edge : {QPoint(0, 0), QPoint(9, 0), QPoint(0, 9), QPoint(9, 9),
                                  QPoint(5, 0), QPoint(0, 5), QPoint(9, 5), QPoint(5, 9)}) {
            QCOMPARE(framedWhite.pixel(edge), ink);
        }
        QCOMPARE(framedWhite.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(Painted(editor_->cells[19]).pixel(5, 5), qRgb(0, 0, 0));
        QCOMPARE(editor_->text1()->toPlainText(),
                 Declaration("bild", QStringList{"00", "00", "10"} << Repeated("00", 5)));

        // A row shown again keeps the frame it was given while hidden.
        editor_->click(editor_->command(6));
        QCOMPARE(Painted(editor_->cells[70]).pixel(0, 0), ink);

        editor_->click(editor_->check2());
        QVERIFY(!editor_->check2()->isChecked());
        for (CellWidget* cell : editor_->cells) {
            QCOMPARE(cell->border(), BorderStyle::None);
        }
        const QImage plain = Painted(editor_->cells[0]);
        QCOMPARE(plain.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(plain.pixel(9, 9), qRgb(255, 255, 255));
        QCOMPARE(Painted(editor_->cells[19]).pixel(0, 0), qRgb(0, 0, 0));
    }

private:
    QList<int> BlackCells() const {
        QList<int> black;
        for (int i = 0; i < CellCount; ++i) {
            if (editor_->cells[i]->fillColour() == Black) {
                black.append(i);
            }
        }
        return black;
    }

    std::unique_ptr<Editor> editor_;
};

QTEST_MAIN(TestWindowEditing)
#include "test_window_editing.moc"
