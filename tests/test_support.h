#pragma once

#include "handlers.h"

#include <QTest>

#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

// A desktop for the handlers: answers as told, records what it is asked, and
// can refuse the clipboard or fail with a fault.
struct FakePlatform : kobalin::Platform {
    kobalin::Answer answer = kobalin::Answer::Yes;
    bool clipboardWorks = true;
    bool faultyClipboard = false;
    std::string clipboard;
    int questions = 0, errors = 0, quits = 0;

    kobalin::Answer ask(const std::string&) override { return ++questions, answer; }
    bool putOnClipboard(const std::string& text) override {
        if (faultyClipboard) {
            throw std::runtime_error("no clipboard");
        }
        clipboard = clipboardWorks ? text : clipboard;
        return clipboardWorks;
    }
    void showError(const std::string&) override { ++errors; }
    void quit() override {
        ++quits;
        QCoreApplication::quit();
    }
};

// A user's actions, one word each: a number presses that cell; "-", "+",
// "invertieren", "aktualisieren" and "copy" click; "neu:yes" and
// "schwarz:no" click and answer; "name=x" types a name.
inline void Play(kobalin::WindowState& state, FakePlatform& platform, const QString& actions) {
    using namespace kobalin;
    const std::map<QString, std::function<void()>> clicks{
        {"-", [&] { Command5_Click(state); }},
        {"+", [&] { Command6_Click(state); }},
        {"neu", [&] { Command1_Click(state, platform); }},
        {"schwarz", [&] { Command3_Click(state, platform); }},
        {"invertieren", [&] { Command2_Click(state); }},
        {"aktualisieren", [&] { Command7_Click(state); }},
        {"copy", [&] { Command8_Click(state, platform); }}};
    for (const QString& action : actions.split(' ', Qt::SkipEmptyParts)) {
        const QString click = action.section(':', 0, 0);
        platform.answer = action.endsWith(":no") ? Answer::No : Answer::Yes;
        if (action.startsWith("name=")) {
            state.Text3 = action.mid(5).toStdString();
        } else if (clicks.contains(click)) {
            clicks.at(click)();
        } else {
            Picture1_MouseDown(state, action.toShort());
        }
    }
}

inline std::string Hex(int byte) {
    return QString::asprintf("%02X", byte).toStdString();
}

// The declaration a C programmer expects for these row bytes, top row first.
inline std::string Declaration(const std::string& name, const std::vector<int>& bytes) {
    std::string text = "static unsigned char " + name + "[] = {";
    for (const int byte : bytes) {
        text += "0x" + Hex(byte) + ',';
    }
    return text.substr(0, text.size() - 1) + "};";
}

namespace QTest {
template <> inline char* toString(const std::string& text) {
    return toString(QString::fromStdString(text));
}
} // namespace QTest
