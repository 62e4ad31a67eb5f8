#include "qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>

namespace kobalin {

namespace {

// Dialogs carry the program's short name; Qt translates the buttons.
const QString DialogTitle = QStringLiteral("Kobalin");

} // namespace

Answer QtPlatform::ask(const std::string& prompt) {
    QMessageBox box(QMessageBox::NoIcon, DialogTitle, QString::fromStdString(prompt),
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.setObjectName(QStringLiteral("question"));
    box.setDefaultButton(QMessageBox::Yes);
    // Escape and the close button count as No.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

bool QtPlatform::putOnClipboard(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    const QString plain = QString::fromStdString(text);
    auto* data = new QMimeData;
    data->setText(plain);
    clipboard->setMimeData(data, QClipboard::Clipboard);
    // Whether we really hold the clipboard shows in what it now offers.
    return clipboard->text(QClipboard::Clipboard) == plain;
}

void QtPlatform::showError(const std::string& message) {
    QMessageBox box(QMessageBox::Critical, DialogTitle, QString::fromStdString(message),
                    QMessageBox::Ok, dialogParent());
    box.setObjectName(QStringLiteral("error"));
    box.exec();
}

void QtPlatform::quit() {
    QCoreApplication::quit();
}

QWidget* QtPlatform::dialogParent() const {
    return dialogParent_ != nullptr ? dialogParent_.data() : QApplication::activeWindow();
}

} // namespace kobalin
