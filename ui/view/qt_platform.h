#pragma once

#include "platform.h"

namespace kobalin {

// The desktop as Qt offers it: a message box for the question and for
// errors, the system clipboard, and the event loop's end.
class QtPlatform : public Platform {
public:
    Answer ask(const std::string& prompt) override;
    [[nodiscard]] bool putOnClipboard(const std::string& text) override;
    void showError(const std::string& message) override;
    void quit() override;
};

} // namespace kobalin
