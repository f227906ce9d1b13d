#include "qt/QtUiLoop.h"

#include <time.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "support/DayNumber.h"

namespace tesmo {
namespace {

constexpr long long kSliceMs = 4;

// A clock read costing a few nanoseconds, precise to a few milliseconds: enough to pace
// event processing.
long long CoarseMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace

double SystemClock::NowMs() const {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(now).count();
}

double SystemClock::Now() const {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    const double day = DayNumberFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return day + (local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec) / 86400.0;
}

void QtUiLoop::Yield() {
    if (detached_) return;
    const long long now = CoarseMs();
    if (now - lastProcessed_ < kSliceMs) return;
    ReentryGate::Scope scope(gate_);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    lastProcessed_ = CoarseMs();
}

void QtUiLoop::WaitUntil(double deadlineMs) {
    const double remaining = std::min(deadlineMs - clock_.NowMs(), 2147483647.0);
    if (!(remaining > 0)) return;
    if (detached_) return;
    ReentryGate::Scope scope(gate_);
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(static_cast<int>(std::ceil(remaining)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    lastProcessed_ = CoarseMs();
}

}  // namespace tesmo
