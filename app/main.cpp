#include "compositor_frames.h"
#include "editor_window.h"
#include "qt_platform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Qt's Wayland plugin loads its GPU buffer integration (Mesa's EGL) at the
// first window only to learn whether it may draw the window's frame itself.
// Kobalin paints in software, so where the compositor draws the frames, Qt is
// told to leave them to it, unless the user chose for either setting. Read at
// the first window, so it is set after the platform is known.
void LeaveFramesToCompositor() {
    if (!qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION") &&
        !qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION") &&
        kobalin::CompositorDrawsFrames()) {
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (OnWayland()) {
        LeaveFramesToCompositor();
    }
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
    if (OnWayland()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
