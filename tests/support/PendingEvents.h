#pragma once
// Checking that something did not happen without waiting on the clock: deliver every event already queued
// (window system events, posted events and what they post in turn), then look; and count the events that
// did arrive, so that the check is not passed by an event that never came at all.
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>

inline void DeliverPendingEvents() {
    for (int round = 0; round < 4; ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents();
    }
}

// Counts the events of one type that reach target while the counter lives; it lets them pass.
class EventCounter : public QObject {
public:
    EventCounter(QObject& target, QEvent::Type counted) : watched(&target), type(counted) {
        target.installEventFilter(this);
    }
    ~EventCounter() override { watched->removeEventFilter(this); }
    EventCounter(const EventCounter&) = delete;
    EventCounter& operator=(const EventCounter&) = delete;

    int count = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == watched && event->type() == type) {
            ++count;
        }
        return false;
    }

private:
    QObject* watched;
    QEvent::Type type;
};
