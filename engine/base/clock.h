// The engine's only source of time: waits and today's date. Tests install a
// fake so that one-minute time-outs run in no time.
#pragma once

#include <atomic>

namespace kakikomi {

struct CalendarDate {
  int year = -1;
  int month = -1;
  int day = -1;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual void SleepMilliseconds(int ms) = 0;
  // Milliseconds since an arbitrary start; never goes backwards.
  virtual long long MonotonicMilliseconds() = 0;
  // Today's local date; -1 parts when the platform cannot tell.
  virtual CalendarDate Today() = 0;
};

// The clock in use for the whole process (the system clock unless replaced).
Clock& CurrentClock();

// Installs `clock` (not owned) for the process; nullptr restores the system
// clock. Returns the clock that was installed before.
Clock* InstallClock(Clock* clock);

// A clock for tests: sleeping only advances its time, and it counts sleeps.
class FakeClock : public Clock {
 public:
  explicit FakeClock(CalendarDate today = {2026, 12, 10}) : today_(today) {}
  void SleepMilliseconds(int ms) override {
    now_ += ms;
    ++sleeps_;
  }
  long long MonotonicMilliseconds() override { return now_; }
  CalendarDate Today() override { return today_; }
  void SetToday(CalendarDate today) { today_ = today; }
  long long sleeps() const { return sleeps_; }

 private:
  CalendarDate today_;
  std::atomic<long long> now_{0};
  std::atomic<long long> sleeps_{0};
};

// Keeps a clock installed for one scope.
class ScopedClock {
 public:
  explicit ScopedClock(Clock* clock) : previous_(InstallClock(clock)) {}
  ~ScopedClock() { InstallClock(previous_); }
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;

 private:
  Clock* previous_;
};

}  // namespace kakikomi
