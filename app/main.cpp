#include "editor_window.h"
#include "qt_platform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

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
    const int status = QApplication::exec();
    // Qt's Wayland plugin can hang in its teardown, waiting for its event
    // thread, and leave a process without a window: end at once there. On X11
    // the teardown hands the copied text to a clipboard manager, so it must run.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
