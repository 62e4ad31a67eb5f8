#pragma once

#include "platform.h"
#include "window_state.h"

#include <QTest>

#include <string>
#include <vector>

// A desktop for the handlers: answers questions as told, records what it is
// asked to do, and can refuse the clipboard.
class FakePlatform : public kobalin::Platform {
public:
    kobalin::Answer answer = kobalin::Answer::Yes;
    bool clipboardWorks = true;

    std::vector<std::string> questions;
    std::vector<std::string> errors;
    std::string clipboard = "(something else)";
    int quitCount = 0;

    kobalin::Answer ask(const std::string& prompt) override {
        questions.push_back(prompt);
        return answer;
    }
    bool putOnClipboard(const std::string& text) override {
        if (!clipboardWorks) {
            return false;
        }
        clipboard = text;
        return true;
    }
    void showError(const std::string& message) override { errors.push_back(message); }
    void quit() override { ++quitCount; }
};

// Readable failure messages for the core's types.
namespace QTest {
template <> inline char* toString(const std::string& text) {
    return toString(QString::fromStdString(text));
}
template <> inline char* toString(const kobalin::BorderStyle& border) {
    return qstrdup(border == kobalin::BorderStyle::Single ? "Single" : "None");
}
} // namespace QTest
