#include "held_space.h"

#include <QCoreApplication>

namespace kobalin {

namespace {

bool IsTimedSpace(const QEvent& event) {
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(event);
    return key.key() == Qt::Key_Space && !key.isAutoRepeat() && key.timestamp() != 0;
}

} // namespace

HeldSpace::HeldSpace(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(Wait);
    connect(&timer_, &QTimer::timeout, this, &HeldSpace::letGo);
}

bool HeldSpace::eventFilter(QObject* receiver, QEvent* event) {
    if (event == sending_) {
        return false;
    }
    if (!IsTimedSpace(*event)) {
        // Whatever comes next, after the release that came before it.
        if (release_ != nullptr &&
            (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
             event->type() == QEvent::MouseButtonPress)) {
            letGo();
        }
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (event->type() == QEvent::KeyPress && release_ != nullptr &&
        release_->timestamp() == key.timestamp()) {
        const std::unique_ptr<QKeyEvent> release = std::move(release_);
        timer_.stop();
        send(receiver_, *release, true);
        send(receiver, key, true);
        return true;
    }
    letGo();
    if (event->type() == QEvent::KeyRelease) {
        release_.reset(key.clone());
        receiver_ = receiver;
        timer_.start();
        return true;
    }
    return false;
}

void HeldSpace::letGo() {
    timer_.stop();
    const std::unique_ptr<QKeyEvent> release = std::move(release_);
    if (release != nullptr) {
        send(receiver_, *release, false);
    }
}

// The key again, marked as a repeat or not, past this filter.
void HeldSpace::send(QObject* receiver, const QKeyEvent& key, bool repeat) {
    if (receiver == nullptr) {
        return; // gone while its release waited
    }
    QKeyEvent again(key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
                    key.nativeVirtualKey(), key.nativeModifiers(), key.text(), repeat, key.count(),
                    key.device());
    again.setTimestamp(key.timestamp());
    const QEvent* const outer = sending_; // should a dialog open on the way
    sending_ = &again;
    QCoreApplication::sendEvent(receiver, &again);
    sending_ = outer;
}

} // namespace kobalin
