#pragma once

#include "handlers.h"

#include <stdexcept>
#include <string>
#include <vector>

// A desktop for the handlers: answers as told, records the errors it shows,
// and can fail with a fault on copying.
struct FakePlatform : kobalin::Platform {
    kobalin::Answer answer = kobalin::Answer::Yes;
    bool faultyClipboard = false;
    std::vector<std::string> errors; // the messages shown, in order

    kobalin::Answer ask(const std::string&) override { return answer; }
    bool putOnClipboard(const std::string&) override {
        if (faultyClipboard) {
            throw std::runtime_error("no clipboard");
        }
        return true;
    }
    void showError(const std::string& message) override { errors.push_back(message); }
    void quit() override {}
};
