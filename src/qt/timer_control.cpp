// SPDX-License-Identifier: MIT
#include "qt/timer_control.h"

#if defined(__linux__)
#include <sys/timerfd.h>
#include <unistd.h>
#endif

#include <QCoreApplication>
#include <QEvent>

#include <cstdint>

namespace zindle::qt {

namespace {

// Calls `run` when the event posted to it comes.
class PostedCall final : public QObject {
    Q_OBJECT

public:
    explicit PostedCall(std::function<void()> run) : run_(std::move(run)) {}

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        run_();
        return true;
    }

private:
    std::function<void()> run_;
};

}  // namespace

TimerControl::TimerControl(const form::ControlLayout& entry, std::function<void()> onTick)
    : interval_(entry.interval), onTick_(std::move(onTick)),
      next_(std::make_unique<PostedCall>([this] { deliverOverdue(); }))
{
#if defined(__linux__)
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
#endif
    if (fd_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { deliver(); });
    } else {
        fallback_.setTimerType(Qt::PreciseTimer);
        fallback_.setInterval(interval_);
        QObject::connect(&fallback_, &QTimer::timeout, [this] { deliver(true); });
    }
    if (entry.enabled)
        setEnabled(true);
}

TimerControl::~TimerControl()
{
    notifier_.reset();
#if defined(__linux__)
    if (fd_ >= 0)
        close(fd_);
#endif
}

// Enabling a running timer leaves its schedule alone.
void TimerControl::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    arm(enabled);
}

void TimerControl::arm(bool on)
{
    if (!on)
        overdue_ = 0;
    if (fd_ < 0) {
        if (on)
            fallback_.start();
        else
            fallback_.stop();
        return;
    }
#if defined(__linux__)
    const timespec period{interval_ / 1000, static_cast<long>(interval_ % 1000) * 1'000'000L};
    const itimerspec entry{on ? period : timespec{}, on ? period : timespec{}};
    timerfd_settime(fd_, 0, &entry, nullptr);
    if (!on) {
        std::uint64_t stale = 0;
        (void)!read(fd_, &stale, sizeof stale);   // forget an expiration not yet handled
    }
#endif
}

std::chrono::nanoseconds TimerControl::period() const
{
    if (fd_ < 0)
        return fallback_.isActive() ? std::chrono::milliseconds(fallback_.interval()) : std::chrono::nanoseconds{};
#if defined(__linux__)
    itimerspec set{};
    if (timerfd_gettime(fd_, &set) == 0)
        return std::chrono::seconds(set.it_interval.tv_sec) + std::chrono::nanoseconds(set.it_interval.tv_nsec);
#endif
    return {};
}

// Each expiration is a tick; a tick that disables the timer ends the run.
void TimerControl::deliver(bool force)
{
    std::uint64_t due = force ? 1 : 0;
#if defined(__linux__)
    if (!force && fd_ >= 0) {
        std::uint64_t expirations = 0;
        if (read(fd_, &expirations, sizeof expirations) == static_cast<ssize_t>(sizeof expirations))
            due = expirations;
    }
#endif
    overdue_ += due;
    deliverOverdue();
}

void TimerControl::deliverOverdue()
{
    if (overdue_ == 0 || !enabled_)
        return;
    --overdue_;
    onTick_();
    // The next one waits behind the repaint the tick asked for, which the
    // toolkit posts at low priority.
    if (overdue_ > 0 && enabled_)
        QCoreApplication::postEvent(next_.get(), new QEvent(QEvent::User), Qt::LowEventPriority);
}

}  // namespace zindle::qt

#include "timer_control.moc"
