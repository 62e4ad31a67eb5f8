#pragma once

#include "handlers.h"

#include <stdexcept>
#include <string>
#include <vector>

// A desktop for the handlers: answers as told, records what it is shown, and
// can refuse the clipboard or fail with a fault.
struct FakePlatform : kobalin::Platform {
    kobalin::Answer answer = kobalin::Answer::Yes;
    bool clipboardWorks = true;
    bool faultyClipboard = false;
    std::string clipboard;
    std::vector<std::string> errors; // the messages shown, in order

    kobalin::Answer ask(const std::string&) override { return answer; }
    bool putOnClipboard(const std::string& text) override {
        if (faultyClipboard) {
            throw std::runtime_error("no clipboard");
        }
        if (clipboardWorks) {
            clipboard = text;
        }
        return clipboardWorks;
    }
    void showError(const std::string& message) override { errors.push_back(message); }
    void quit() override {}
};
