#pragma once
// The computer's current date and time, as a date serial (whole days since
// 30 December 1899, the fraction being the time of day).

namespace gridkit::host {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual double Now() const = 0;
};

// A clock that always tells the same time, for tests and reproducible runs.
class FixedClock : public Clock {
 public:
  explicit FixedClock(double serial) : serial_(serial) {}
  double Now() const override { return serial_; }

 private:
  double serial_;
};

}  // namespace gridkit::host
