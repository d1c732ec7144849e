#include "engine/core/FieldAccess.h"

#include <charconv>
#include <limits>
#include <type_traits>
#include <cmath>

#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

template <typename T>
constexpr FieldType TypeOf() {
  if constexpr (std::is_same_v<T, Number>) return FieldType::Number;
  if constexpr (std::is_same_v<T, int16_t>) return FieldType::Int16;
  if constexpr (std::is_same_v<T, uint8_t>) return FieldType::UInt8;
  if constexpr (std::is_same_v<T, int32_t>) return FieldType::Int32;
}

template <typename T>
T Clamped(double v) {
  if (std::isnan(v)) return T{};
  if (v < static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  if (v > static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  return static_cast<T>(RoundEven(v));
}

}  // namespace

std::optional<FieldRef> FindField(ZoneForm& form, std::string_view name) {
#define ZONE_FIELD(T, N) \
  if (name == #N) return FieldRef{TypeOf<T>(), &form.N, 0, 0, false};
#define ZONE_TABLE(T, N, LO, HI) \
  if (name == #N) return FieldRef{TypeOf<T>(), form.N.data(), LO, HI, true};
#include "engine/core/ZoneFields.def"
#undef ZONE_FIELD
#undef ZONE_TABLE
  return std::nullopt;
}

std::vector<std::string> FieldNames() {
  std::vector<std::string> names;
#define ZONE_FIELD(T, N) names.emplace_back(#N);
#define ZONE_TABLE(T, N, LO, HI) names.emplace_back(#N);
#include "engine/core/ZoneFields.def"
#undef ZONE_FIELD
#undef ZONE_TABLE
  return names;
}

double ReadField(const FieldRef& f, int index) {
  const size_t i = static_cast<size_t>(index - f.lo);
  switch (f.type) {
    case FieldType::Number: return static_cast<const Number*>(f.data)[i];
    case FieldType::Int16: return static_cast<const int16_t*>(f.data)[i];
    case FieldType::UInt8: return static_cast<const uint8_t*>(f.data)[i];
    case FieldType::Int32: return static_cast<const int32_t*>(f.data)[i];
  }
  return 0;
}

void WriteField(const FieldRef& f, int index, double value) {
  const size_t i = static_cast<size_t>(index - f.lo);
  switch (f.type) {
    case FieldType::Number: static_cast<Number*>(f.data)[i] = value; break;
    case FieldType::Int16: static_cast<int16_t*>(f.data)[i] = Clamped<int16_t>(value); break;
    case FieldType::UInt8: static_cast<uint8_t*>(f.data)[i] = Clamped<uint8_t>(value); break;
    case FieldType::Int32: static_cast<int32_t*>(f.data)[i] = Clamped<int32_t>(value); break;
  }
}

std::string FormatField(const FieldRef& f, int index) {
  const double v = ReadField(f, index);
  if (f.type != FieldType::Number) return std::to_string(static_cast<long long>(v));
  if (!std::isfinite(v)) return "null";
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

}  // namespace orvane
