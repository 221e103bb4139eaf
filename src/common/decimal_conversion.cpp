// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/decimal_conversion.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>
#include <type_traits>

namespace quibbet {

namespace portable {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

const char* SkipDigits(const char* p, const char* last) {
  while (p < last && IsDigit(*p)) {
    ++p;
  }
  return p;
}

// Just past the number at first, or first itself when none starts there. nonzero tells whether
// a digit before the exponent is not zero, which tells underflow from a written zero.
const char* ScanDecimal(const char* first, const char* last, bool& nonzero) {
  const char* p = first;
  if (p < last && *p == '-') {
    ++p;
  }
  const char* mantissa = p;
  p = SkipDigits(p, last);
  if (p < last && *p == '.') {
    p = SkipDigits(p + 1, last);
  }
  bool digits = false;
  for (const char* q = mantissa; q < p; ++q) {
    digits = digits || IsDigit(*q);
    nonzero = nonzero || (IsDigit(*q) && *q != '0');
  }
  if (!digits) {
    return first;
  }
  // An exponent counts only when it has digits: "12e" is 12 followed by "e".
  if (p < last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q < last && (*q == '+' || *q == '-')) {
      ++q;
    }
    if (q < last && IsDigit(*q)) {
      p = SkipDigits(q, last);
    }
  }
  return p;
}

// The C library's conversions round correctly, to the type's own precision (never through a
// double first, which could round twice).
template <typename T>
T FromText(const char* text) {
  if constexpr (std::is_same_v<T, float>) {
    return std::strtof(text, nullptr);
  } else {
    return std::strtod(text, nullptr);
  }
}

}  // namespace

template <typename T>
std::from_chars_result ReadDecimal(const char* first, const char* last, T& value) {
  bool nonzero = false;
  const char* end = ScanDecimal(first, last, nonzero);
  if (end == first) {
    return {first, std::errc::invalid_argument};
  }
  const T read = FromText<T>(std::string(first, end).c_str());
  if (std::isinf(read) || (read == 0 && nonzero)) {
    return {end, std::errc::result_out_of_range};
  }
  value = read;
  return {end, std::errc{}};
}

namespace {

// A positive finite value as significant digits d1 d2 ... and the power of ten of d1.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// significand * 10^scale.
struct Candidate {
  std::uint64_t significand = 0;
  int scale = 0;
};

template <typename T>
T ValueOf(const Candidate& c) {
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%llue%d", static_cast<unsigned long long>(c.significand),
                c.scale);
  return FromText<T>(text.data());
}

// value rounded to precision significant digits.
Candidate Nearest(double value, int precision) {
  std::array<char, 48> text{};  // "d[.ddd]e(+|-)xx"
  std::snprintf(text.data(), text.size(), "%.*e", precision - 1, value);
  Candidate c;
  const char* p = text.data();
  for (; *p != 'e'; ++p) {
    if (*p != '.') {
      c.significand = c.significand * 10 + static_cast<std::uint64_t>(*p - '0');
    }
  }
  c.scale = std::atoi(p + 1) - (precision - 1);
  return c;
}

// The decimal of the same precision on the other side of the value from c.
Candidate OtherSide(const Candidate& c, int precision, bool below) {
  if (!below) {
    return {c.significand + 1, c.scale};
  }
  // Below 100...0 the digits run 99...9, a place further right.
  std::uint64_t power = 1;
  for (int i = 1; i < precision; ++i) {
    power *= 10;
  }
  return c.significand == power ? Candidate{power * 10 - 1, c.scale - 1}
                                : Candidate{c.significand - 1, c.scale};
}

Decimal ToDecimal(const Candidate& c) {
  Decimal d{std::to_string(c.significand), 0};
  d.exponent = c.scale + static_cast<int>(d.digits.size()) - 1;
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
  return d;
}

// printf rounds correctly to any number of digits, so the first precision at which a decimal
// reads back to the value gives the shortest digits, and the nearest of them, as std::to_chars
// chooses. At a power of two the gap below the value is half the gap above, so the nearest
// decimal may miss where the one on the value's other side still reads back.
template <typename T>
Decimal ShortestDecimal(T value) {
  for (int precision = 1;; ++precision) {
    const Candidate nearest = Nearest(static_cast<double>(value), precision);
    const T read = ValueOf<T>(nearest);
    if (read == value || precision == std::numeric_limits<T>::max_digits10) {
      return ToDecimal(nearest);
    }
    const Candidate other = OtherSide(nearest, precision, read > value);
    if (ValueOf<T>(other) == value) {
      return ToDecimal(other);
    }
  }
}

std::string Scientific(const Decimal& d) {
  std::string text(1, d.digits.front());
  if (d.digits.size() > 1) {
    text += '.';
    text.append(d.digits, 1);
  }
  std::array<char, 16> exponent{};
  std::snprintf(exponent.data(), exponent.size(), "e%c%02d", d.exponent < 0 ? '-' : '+',
                std::abs(d.exponent));
  return text + exponent.data();
}

// Fixed notation writes a whole value exactly, every digit, as std::to_chars does.
std::string Fixed(const Decimal& d, double value) {
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent >= count - 1) {
    std::array<char, 320> whole{};
    std::snprintf(whole.data(), whole.size(), "%.0f", value);
    return whole.data();
  }
  if (d.exponent >= 0) {
    const auto point = static_cast<std::size_t>(d.exponent) + 1;
    return d.digits.substr(0, point) + "." + d.digits.substr(point);
  }
  return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
}

std::size_t FixedLength(const Decimal& d) {
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent >= count - 1) {
    return static_cast<std::size_t>(d.exponent) + 1;
  }
  return d.exponent >= 0 ? d.digits.size() + 1 : d.digits.size() + 1 - d.exponent;
}

}  // namespace

template <typename T>
std::string ShortestText(T value) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) {
    return sign + "nan";
  }
  if (std::isinf(value)) {
    return sign + "inf";
  }
  if (value == 0) {
    return sign + "0";
  }
  const Decimal d = ShortestDecimal(std::fabs(value));
  const std::string scientific = Scientific(d);
  // On a tie of lengths fixed notation wins.
  if (FixedLength(d) <= scientific.size()) {
    return sign + Fixed(d, std::fabs(static_cast<double>(value)));
  }
  return sign + scientific;
}

template std::from_chars_result ReadDecimal(const char*, const char*, double&);
template std::from_chars_result ReadDecimal(const char*, const char*, float&);
template std::string ShortestText(double);
template std::string ShortestText(float);

}  // namespace portable

#if defined(__cpp_lib_to_chars)

namespace {

// std::from_chars also reads "inf", "nan" and their kin, which no decimal is.
bool StartsDecimal(const char* first, const char* last) {
  const char* p = first < last && *first == '-' ? first + 1 : first;
  return p < last && ((*p >= '0' && *p <= '9') || *p == '.');
}

}  // namespace

template <typename T>
std::from_chars_result ReadDecimal(const char* first, const char* last, T& value) {
  if (!StartsDecimal(first, last)) {
    return {first, std::errc::invalid_argument};
  }
  return std::from_chars(first, last, value, std::chars_format::general);
}

template <typename T>
std::string ShortestText(T value) {
  std::array<char, 400> text{};
  return std::string(text.data(), std::to_chars(text.data(), text.data() + text.size(), value).ptr);
}

#else

template <typename T>
std::from_chars_result ReadDecimal(const char* first, const char* last, T& value) {
  return portable::ReadDecimal(first, last, value);
}

template <typename T>
std::string ShortestText(T value) {
  return portable::ShortestText(value);
}

#endif

template std::from_chars_result ReadDecimal(const char*, const char*, double&);
template std::from_chars_result ReadDecimal(const char*, const char*, float&);
template std::string ShortestText(double);
template std::string ShortestText(float);

}  // namespace quibbet
