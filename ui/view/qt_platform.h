#pragma once

#include "platform.h"

#include <QPointer>
#include <QWidget>

namespace kobalin {

// The desktop as Qt offers it: a message box for the question and for
// errors, the system clipboard, and the event loop's end.
class QtPlatform : public Platform {
public:
    // Dialogs belong to this window. Without one they fall back to the active
    // window, which is still none while the click that activates the editor
    // is being handled.
    void setDialogParent(QWidget* window) { dialogParent_ = window; }

    Answer ask(const std::string& prompt) override;
    [[nodiscard]] bool putOnClipboard(const std::string& text) override;
    void showError(const std::string& message) override;
    void quit() override;

private:
    QWidget* dialogParent() const;

    QPointer<QWidget> dialogParent_;
};

} // namespace kobalin
