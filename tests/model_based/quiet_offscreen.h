#pragma once

#include <QtGlobal>

// The offscreen platform warns once for every dialog it shows that it cannot
// pass size hints on; thousands of question boxes would bury the test log.
// Every other message goes to the handler that was installed before.
inline void QuietOffscreenWarnings() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message == QLatin1String("This plugin does not support propagateSizeHints()")) {
                return;
            }
            previous(type, context, message);
        });
}
