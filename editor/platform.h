#pragma once

#include <string>

namespace kobalin {

enum class Answer { Yes, No };

// What the editor needs of the desktop, kept behind one interface so that
// every handler runs and is tested without a display.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal question with the buttons Yes (the default) and No.
    virtual Answer ask(const std::string& prompt) = 0;

    // Clears the clipboard, then puts text (UTF-8) on it as plain text.
    // Returns false when the clipboard could not be written.
    [[nodiscard]] virtual bool putOnClipboard(const std::string& text) = 0;

    virtual void showError(const std::string& message) = 0;

    // Ends the program without asking.
    virtual void quit() = 0;
};

} // namespace kobalin
