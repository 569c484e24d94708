// SPDX-License-Identifier: MIT
#pragma once

#include "form/controls.h"
#include "form/layout.h"

#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace zindle::qt {

// The countdown timer. Its ticks keep to the interval from the moment it is
// enabled and do not drift: on Linux a kernel interval timer schedules them
// (its expirations are exact to the microsecond and wake the event loop
// through a socket notifier); elsewhere a precise QTimer does.
class TimerControl final : public form::Timer {
public:
    TimerControl(const form::ControlLayout& entry, std::function<void()> onTick);
    ~TimerControl() override;

    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;

    // Delivers the ticks that are due, as the event loop does when the
    // interval is up; one tick when `force` is set, due or not. Ticks that
    // fell due together, while the event loop was held up, come one at a
    // time, each in its own turn of the loop, so the window shows every
    // value the clock passes.
    void deliver(bool force = false);

    // The period the running timer is programmed with, as the system holds
    // it; zero while it stands.
    std::chrono::nanoseconds period() const;

private:
    void arm(bool on);
    void deliverOverdue();

    int interval_;
    bool enabled_ = false;
    std::function<void()> onTick_;
    std::uint64_t overdue_ = 0;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer fallback_;
    std::unique_ptr<QObject> next_;   // runs the next overdue tick when its posted event comes
};

}  // namespace zindle::qt
