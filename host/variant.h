#pragma once
// A tagged value: empty, null, 16/32-bit integer, double, text, date,
// Boolean or an object reference.

#include <cstdint>
#include <string>
#include <variant>

namespace gridkit::host {

struct Empty {
  bool operator==(const Empty&) const = default;
};
struct Null {
  bool operator==(const Null&) const = default;
};
// A date as a serial day number: whole days since 30 December 1899, the
// fraction being the time of day.
struct Date {
  double serial = 0;
  bool operator==(const Date&) const = default;
};
// A borrowed object; the variant never owns it.
struct ObjectRef {
  void* object = nullptr;
  bool operator==(const ObjectRef&) const = default;
};

class Variant {
 public:
  using Storage =
      std::variant<Empty, Null, int16_t, int32_t, double, std::string, Date, bool, ObjectRef>;

  Variant() = default;
  Variant(Empty v) : value_(v) {}
  Variant(Null v) : value_(v) {}
  Variant(int16_t v) : value_(v) {}
  Variant(int32_t v) : value_(v) {}
  Variant(double v) : value_(v) {}
  Variant(std::string v) : value_(std::move(v)) {}
  Variant(const char* v) : value_(std::string(v)) {}
  Variant(Date v) : value_(v) {}
  Variant(bool v) : value_(v) {}
  Variant(ObjectRef v) : value_(v) {}

  bool IsEmpty() const { return std::holds_alternative<Empty>(value_); }
  bool IsNull() const { return std::holds_alternative<Null>(value_); }
  bool IsText() const { return std::holds_alternative<std::string>(value_); }
  bool IsDate() const { return std::holds_alternative<Date>(value_); }
  bool IsBool() const { return std::holds_alternative<bool>(value_); }
  bool IsObject() const { return std::holds_alternative<ObjectRef>(value_); }
  // A 16/32-bit integer or a double.
  bool IsNumber() const;

  // Numeric value: numbers as they are, dates as their serial, Booleans as
  // -1/0, texts by the numeric reading of a text, empty as 0. Null and
  // objects raise "Type mismatch".
  double ToDouble() const;
  // Text form: texts as they are, numbers in their plain text form,
  // Booleans as True/False, empty as "". Null and objects raise "Type mismatch".
  std::string ToText() const;

  const Storage& Value() const { return value_; }
  template <class T>
  const T& As() const {
    return std::get<T>(value_);
  }

  bool operator==(const Variant&) const = default;

 private:
  Storage value_;
};

}  // namespace gridkit::host
