#pragma once
// The program's rounding and number text. The separators come from the
// user's locale and are set once at start (tests set them explicitly).

#include <cstdint>
#include <optional>
#include <string>

namespace korvado {

// decimalSeparator is '.' or ','; thousandsSeparator is UTF-8 text (may be empty).
void SetNumberSeparators(char decimalSeparator, const std::string& thousandsSeparator);
const std::string& ThousandsSeparator();
char DecimalSeparatorChar();

// Half to even, decided on the fraction scaled by 10000 against 5000, so that
// values stored just below a half (1.005, 2.675) still count as halves.
double RoundHalfEven(int8_t digits, double x);

// Shortest text with at most 15 significant digits, no grouping, the locale's separator.
std::string FormatGeneral(double x);
// RoundHalfEven(digits, x) in the general form, padded with zeros to exactly digits decimals.
std::string FormatFixed(int8_t digits, double x);
// Two decimals, digits grouped in thousands, right-aligned to 11 characters ("%11.2n").
std::string FormatGrouped(double x);

// Characters after the first decimal separator; 0 without one.
uint8_t CountDecimals(const std::string& text);

// Parsing with the locale's decimal separator and no grouping. Text typed or
// pasted is read with the Try forms (nothing for text that is no number);
// ParseDouble and ParseInteger raise ConversionError, for text that must be a
// number, naming the separator to use when the text is a number written with the other one.
// What follows "«text» не является числом" for such text: ": десятичный разделитель — «,»"; empty otherwise.
std::string SeparatorHint(const std::string& text);
std::optional<double> TryParseDouble(const std::string& text);
std::optional<int32_t> TryParseInteger(const std::string& text);
double ParseDouble(const std::string& text);
int32_t ParseInteger(const std::string& text);

std::string NotANumberMessage(const std::string& text);
std::string NotAnIntegerMessage(const std::string& text);

}  // namespace korvado
