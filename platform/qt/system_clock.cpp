#include "platform/qt/system_clock.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include "host/regional/date_serial.h"

namespace gridkit::platform {

double SystemClock::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return host::DateSerial(date.year(), date.month(), date.day()) +
         host::TimeSerial(time.hour(), time.minute(), time.second()) + time.msec() / 86'400'000.0;
}

}  // namespace gridkit::platform
