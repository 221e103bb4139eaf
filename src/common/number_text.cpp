// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "common/decimal_conversion.h"

namespace quibbet {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

struct NumberPrefix {
  bool negative = false;
  std::string_view body;  // digits, point and exponent, without the sign
  std::size_t end = 0;    // index just past the number in the scanned text
};

// Scans "[+-]digits[.digits][(e|E)[+-]digits]" at the start of text. The exponent counts only
// when it has digits, so "12e" reads as 12.
std::optional<NumberPrefix> ScanNumber(std::string_view text) {
  std::size_t i = 0;
  NumberPrefix result;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    result.negative = text[i] == '-';
    ++i;
  }
  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    ++i;
    ++digits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) {
    return std::nullopt;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      ++j;
    }
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) {
        ++j;
      }
      i = j;
    }
  }
  result.body = text.substr(start, i - start);
  result.end = i;
  return result;
}

// The power of ten of a number's leading digit: positive for values of 10 and more. Used only to
// tell overflow from underflow when a number lies beyond a double's range.
long long DecimalOrder(std::string_view body) {
  const std::size_t e = body.find_first_of("eE");
  const std::string_view mantissa = body.substr(0, e);
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = body.substr(e + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
      digits.remove_prefix(1);
    }
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    if (ec == std::errc::result_out_of_range) {
      exponent = std::numeric_limits<int>::max();
    }
    exponent = negative ? -exponent : exponent;
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) {
    return std::numeric_limits<int>::min();  // zero
  }
  const long long position = first < point ? static_cast<long long>(point - first - 1)
                                           : -static_cast<long long>(first - point);
  return position + exponent;
}

// The texts the game writes are short runs of digits; up to 15 of them are exact in a double,
// and adding them up is far quicker than the general conversion that the tick would otherwise
// run on the score at every tick.
constexpr std::size_t kExactDigits = 15;

std::optional<double> ShortWholeNumber(std::string_view body) {
  if (body.size() > kExactDigits || !std::all_of(body.begin(), body.end(), IsDigit)) {
    return std::nullopt;
  }
  long long whole = 0;
  for (char c : body) {
    whole = whole * 10 + (c - '0');
  }
  return static_cast<double>(whole);
}

double ValueOf(const NumberPrefix& n) {
  if (const auto whole = ShortWholeNumber(n.body)) {
    return n.negative ? -*whole : *whole;
  }
  double value = 0.0;
  const char* first = n.body.data();
  const char* last = first + n.body.size();
  const auto [ptr, ec] = ReadDecimal(first, last, value);
  if (ec == std::errc::result_out_of_range) {
    // ReadDecimal leaves the value alone here.
    value = DecimalOrder(n.body) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return n.negative ? -value : value;
}

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && IsBlank(text[i])) {
    ++i;
  }
  return i;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  const std::size_t start = SkipBlanks(text, 0);
  const auto number = ScanNumber(text.substr(start));
  return number ? ValueOf(*number) : 0.0;
}

std::optional<double> StrictNumber(std::string_view text) {
  const std::size_t start = SkipBlanks(text, 0);
  const auto number = ScanNumber(text.substr(start));
  if (!number || SkipBlanks(text, start + number->end) != text.size()) {
    return std::nullopt;
  }
  return ValueOf(*number);
}

std::string NumberToText(double value) {
  // Whole numbers below 10^15 are exact in a double and print as their digits alone. They are
  // written as integers, which is many times quicker than formatting a double, and a score is
  // written at every pick-up; -0 becomes 0 on the way.
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
    std::array<char, 32> buffer{};
    const std::to_chars_result written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<long long>(value));
    return std::string(buffer.data(), written.ptr);
  }
  return ShortestText(value);
}

std::string Int16ToText(std::int16_t value) {
  return std::to_string(value);
}

}  // namespace quibbet
