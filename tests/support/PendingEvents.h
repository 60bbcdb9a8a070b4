// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checking that something did not happen without waiting on the clock: deliver every event already queued
// (window system events, posted events, what they post in turn and the deletions they leave behind) until the
// queue is quiet, then look; and count the events that did arrive, so that the check is not passed by an
// event that never came at all. What is still to come is waited for with WaitFor, on a condition.
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <chrono>
#include <functional>

namespace pending_events {

// Counts every event the application delivers, to any object, while it lives.
class DeliveryCounter : public QObject {
public:
    DeliveryCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~DeliveryCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    DeliveryCounter(const DeliveryCounter&) = delete;
    DeliveryCounter& operator=(const DeliveryCounter&) = delete;

    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent*) override {
        ++count;
        return false;
    }
};

}  // namespace pending_events

// Delivers rounds of events until two rounds in a row deliver nothing. A queue that never settles (something
// posting or firing without end) fails the test once the deadline or the round limit is reached.
inline void DeliverPendingEvents(std::chrono::milliseconds deadline = std::chrono::seconds(5)) {
    constexpr int kMaxRounds = 1000;
    const QDeadlineTimer timer(deadline);
    pending_events::DeliveryCounter counter;
    int quietRounds = 0;
    for (int round = 0; round < kMaxRounds && quietRounds < 2; ++round) {
        const int before = counter.count;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents();
        // Deletions asked for with deleteLater() wait for an event loop to return to their level; a test
        // has none, so they are sent here.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        quietRounds = counter.count == before ? quietRounds + 1 : 0;
        if (quietRounds < 2 && timer.hasExpired()) {
            ADD_FAILURE() << "events were still arriving after " << deadline.count() << " ms";
            return;
        }
    }
    if (quietRounds < 2) {
        ADD_FAILURE() << "events were still arriving after " << kMaxRounds << " rounds";
    }
}

// Delivers events until condition holds; false (and the test fails) if it does not before the deadline.
inline bool WaitFor(const std::function<bool()>& condition,
                    std::chrono::milliseconds deadline = std::chrono::seconds(5)) {
    const bool met = QTest::qWaitFor(condition, static_cast<int>(deadline.count()));
    EXPECT_TRUE(met) << "the condition did not hold within " << deadline.count() << " ms";
    return met;
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
