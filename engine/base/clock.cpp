#include "engine/base/clock.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <thread>

namespace kakikomi {
namespace {

class SystemClock : public Clock {
 public:
  void SleepMilliseconds(int ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  long long MonotonicMilliseconds() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
  CalendarDate Today() override {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  }
};

SystemClock system_clock;
std::atomic<Clock*> installed_clock{nullptr};

}  // namespace

Clock& CurrentClock() {
  Clock* clock = installed_clock.load();
  return clock ? *clock : system_clock;
}

Clock* InstallClock(Clock* clock) { return installed_clock.exchange(clock); }

}  // namespace kakikomi
