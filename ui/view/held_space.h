#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <memory>

namespace kobalin {

// A held Space presses a cell, a button or the check box once, however busy
// the machine. On X11 a held key repeats as a release and a press with one
// time, which Qt marks as a repeat only when the press has already arrived as
// it reads the release; on a busy machine it often has not, and the control
// would be pressed again at each repeat. Watching the whole application, this
// holds each timed Space release back a moment: a press at the same time
// makes the pair a marked repeat, as Qt would have; anything else lets the
// release go on. Events without a time, as tests send them, pass as they are.
class HeldSpace : public QObject {
public:
    // How long a release waits for its press.
    static constexpr std::chrono::milliseconds Wait{50};

    explicit HeldSpace(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    void letGo();
    void send(QObject* receiver, const QKeyEvent& key, bool repeat);

    std::unique_ptr<QKeyEvent> release_; // held back
    QPointer<QObject> receiver_;
    QTimer timer_;
    const QEvent* sending_ = nullptr; // passes this filter as it is
};

} // namespace kobalin
