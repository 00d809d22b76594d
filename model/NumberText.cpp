#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "ModelErrors.h"
#include "Utf8Text.h"

namespace korvado {

namespace {

char decimalSeparator = '.';
std::string thousandsSeparator = ",";

double PowerOfTen(int n) {
  double p = 1.0;
  for (int i = 0; i < n; ++i) p *= 10.0;
  return p;
}

std::string WithLocaleSeparator(std::string text) {
  for (char& c : text)
    if (c == '.') c = decimalSeparator;
  return text;
}

// "1e-05" -> "1E-5", the exponent form of the general conversion.
std::string TidyExponent(const std::string& text) {
  const auto e = text.find('e');
  if (e == std::string::npos) return text;
  std::string mantissa = text.substr(0, e);
  std::string exponent = text.substr(e + 1);
  std::string sign;
  if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
    if (exponent[0] == '-') sign = "-";
    exponent.erase(0, 1);
  }
  while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
  return mantissa + "E" + sign + exponent;
}

char OtherSeparator() { return decimalSeparator == ',' ? '.' : ','; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Conversions independent of the C library's locale, which a windowing toolkit may change.
std::string ToChars(double x, std::chars_format format, int precision) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, format, precision);
  return std::string(buffer, result.ptr);
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// sign? digits* (sep digits*)? ((e|E) sign? digits+)? with at least one mantissa digit.
bool IsDecimalNumber(const std::string& t) {
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == decimalSeparator) {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == t.size();
}

}  // namespace

void SetNumberSeparators(char decimal, const std::string& thousands) {
  decimalSeparator = decimal;
  thousandsSeparator = thousands;
}

const std::string& ThousandsSeparator() { return thousandsSeparator; }

char DecimalSeparatorChar() { return decimalSeparator; }

double RoundHalfEven(int8_t digits, double x) {
  double a = std::fabs(x);
  if (digits > 0) a *= PowerOfTen(digits);
  if (digits < 0) a /= PowerOfTen(-digits);
  const double t = std::trunc(a);
  const double q = std::round((a - t) * 10000.0);
  double r = t;
  if (q > 5000.0) r = t + 1.0;
  if (q == 5000.0 && std::fmod(t, 2.0) != 0.0) r = t + 1.0;
  if (digits > 0) r /= PowerOfTen(digits);
  if (digits < 0) r *= PowerOfTen(-digits);
  return x >= 0 ? r : -r;
}

std::string FormatGeneral(double x) {
  if (x == 0.0) return "0";
  return WithLocaleSeparator(TidyExponent(ToChars(x, std::chars_format::general, 15)));
}

std::string FormatFixed(int8_t digits, double x) {
  std::string s = FormatGeneral(RoundHalfEven(digits, x));
  if (digits > 0 && s.find('E') == std::string::npos) {
    const uint8_t decimals = CountDecimals(s);
    if (decimals == 0 && s.find(decimalSeparator) == std::string::npos) s += decimalSeparator;
    if (decimals < digits) s.append(static_cast<size_t>(digits - decimals), '0');
  }
  return s;
}

std::string FormatGrouped(double x) {
  const std::string plain = ToChars(std::fabs(x), std::chars_format::fixed, 2);
  const auto point = plain.find('.');
  const std::string integerPart = plain.substr(0, point);
  std::string grouped;
  for (size_t i = 0; i < integerPart.size(); ++i) {
    if (i > 0 && (integerPart.size() - i) % 3 == 0) grouped += thousandsSeparator;
    grouped += integerPart[i];
  }
  std::string text = grouped + decimalSeparator + plain.substr(point + 1);
  if (x < 0 && plain != "0.00") text = "-" + text;
  const size_t width = Utf8CharCount(text);
  if (width < 11) text.insert(0, 11 - width, ' ');
  return text;
}

uint8_t CountDecimals(const std::string& text) {
  const auto position = text.find(decimalSeparator);
  if (position == std::string::npos) return 0;
  return static_cast<uint8_t>(Utf8CharCount(text.substr(position + 1)));
}

std::string SeparatorHint(const std::string& text) {
  // A number written with the other separator is neither read ten times
  // larger nor passed over: the message says which separator to use.
  std::string swapped = Trimmed(text);
  std::replace(swapped.begin(), swapped.end(), OtherSeparator(), decimalSeparator);
  if (swapped == Trimmed(text) || !IsDecimalNumber(swapped)) return {};
  return ": десятичный разделитель — «" + std::string(1, decimalSeparator) + "»";
}

std::optional<double> TryParseDouble(const std::string& text) {
  const std::string t = Trimmed(text);
  if (!IsDecimalNumber(t)) return std::nullopt;
  std::string c = t[0] == '+' ? t.substr(1) : t;
  for (char& ch : c)
    if (ch == decimalSeparator) ch = '.';
  double value = 0.0;
  const auto result = std::from_chars(c.data(), c.data() + c.size(), value);
  if (result.ec != std::errc()) return std::nullopt;
  return value;
}

std::optional<int32_t> TryParseInteger(const std::string& text) {
  const std::string t = Trimmed(text);
  size_t i = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
  bool valid = i < t.size();
  for (size_t k = i; k < t.size(); ++k) valid = valid && IsDigit(t[k]);
  if (!valid) return std::nullopt;
  int32_t value = 0;
  const char* first = t.data() + (t[0] == '+' ? 1 : 0);
  const auto result = std::from_chars(first, t.data() + t.size(), value);
  if (result.ec != std::errc() || result.ptr != t.data() + t.size()) return std::nullopt;
  return value;
}

std::string NotANumberMessage(const std::string& text) { return "«" + text + "» не является числом"; }

std::string NotAnIntegerMessage(const std::string& text) { return "«" + text + "» не является целым числом"; }

double ParseDouble(const std::string& text) {
  if (const std::optional<double> value = TryParseDouble(text)) return *value;
  throw ConversionError(NotANumberMessage(text) + SeparatorHint(text));
}

int32_t ParseInteger(const std::string& text) {
  if (const std::optional<int32_t> value = TryParseInteger(text)) return *value;
  throw ConversionError(NotAnIntegerMessage(text));
}

}  // namespace korvado
