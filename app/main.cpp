#include "editor_window.h"
#include "qt_platform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kobalin.Kobalin"));

    // The question box's Yes and No in the desktop's language.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslations);
    }

    kobalin::QtPlatform platform;
    kobalin::EditorWindow window(platform);
    platform.setDialogParent(&window);
    window.show();
    return QApplication::exec();
}
