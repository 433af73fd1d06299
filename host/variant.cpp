#include "host/variant.h"

#include "host/error.h"
#include "host/text/number_text.h"
#include "host/text/numeric_reading.h"

namespace gridkit::host {

bool Variant::IsNumber() const {
  return std::holds_alternative<int16_t>(value_) || std::holds_alternative<int32_t>(value_) ||
         std::holds_alternative<double>(value_);
}

double Variant::ToDouble() const {
  struct Visitor {
    double operator()(Empty) const { return 0; }
    double operator()(Null) const { throw Error::Standard(err::kTypeMismatch); }
    double operator()(int16_t v) const { return v; }
    double operator()(int32_t v) const { return v; }
    double operator()(double v) const { return v; }
    double operator()(const std::string& v) const { return ReadNumber(v); }
    double operator()(Date v) const { return v.serial; }
    double operator()(bool v) const { return v ? -1 : 0; }
    double operator()(ObjectRef) const { throw Error::Standard(err::kTypeMismatch); }
  };
  return std::visit(Visitor{}, value_);
}

std::string Variant::ToText() const {
  struct Visitor {
    std::string operator()(Empty) const { return {}; }
    std::string operator()(Null) const { throw Error::Standard(err::kTypeMismatch); }
    std::string operator()(int16_t v) const { return PlainNumberText(v); }
    std::string operator()(int32_t v) const { return PlainNumberText(v); }
    std::string operator()(double v) const { return PlainNumberText(v); }
    std::string operator()(const std::string& v) const { return v; }
    std::string operator()(Date v) const { return PlainNumberText(v.serial); }
    std::string operator()(bool v) const { return v ? "True" : "False"; }
    std::string operator()(ObjectRef) const { throw Error::Standard(err::kTypeMismatch); }
  };
  return std::visit(Visitor{}, value_);
}

}  // namespace gridkit::host
