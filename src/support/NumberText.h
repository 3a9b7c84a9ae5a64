// Number texts: how numbers are written in books and edits, and the one decimal
// conversion every part of the module uses ("." is the decimal point whatever the locale).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wcthrm {

// General format: at most 15 significant digits, no trailing zeros, fixed notation for
// magnitudes from 0.0001 up to (not including) 1E15, else "d.dddE±x". Every finite value
// reads back through ParseDecimal as a finite value (the largest doubles are cut, not rounded
// up past the range).
std::string NumberText(double value);

// value rounded to n decimals (halves to even, in extended precision), as NumberText.
// Throws RangeError when n lies outside -37..37.
std::string RoundToStr(int n, double value);

// value in fixed notation with exactly `decimals` decimals, rounded half away from zero; when
// the whole part needs more than `wholeDigits` digits, "d.dddE±x" with that many significant
// digits instead (how the numeric edit writes a number). Throws ConversionError for a value
// that is not finite.
std::string FixedText(double value, int decimals, int wholeDigits);

// The decimal digits of value, with "-" when negative.
std::string IntToText(int32_t value);

// True when text holds only digits, "." and "-", at most one ".", and neither begins
// nor ends with ".". A minus sign passes anywhere ("1-2" is true).
bool IsNumberText(std::string_view text);

// The decimal conversion: surrounding blanks, optional sign, digits with an optional
// fraction, optional exponent. Rejects "", "-", ".", "1,5", "nan", "inf" and values beyond
// the range of a double.
std::optional<double> ParseDecimal(std::string_view text);

// ParseDecimal or a ConversionError "'text' is not a valid floating point value".
// The text is GBK bytes as the model holds them; the message quotes it in UTF-8.
double StrToFloat(std::string_view text);

// The same conversion straight into long double, the calculations' extended type, so a result
// computed from texts carries no error of a first rounding to double. Where long double is no
// wider than double (MSVC) this is ParseDecimal. Values beyond a double's range but within a
// long double's are taken.
std::optional<long double> ParseDecimalExtended(std::string_view text);
long double StrToExtended(std::string_view text);

// Surrounding blanks, optional sign, decimal digits; nullopt when not a 32-bit integer.
std::optional<int32_t> ParseInt(std::string_view text);

// ParseInt or a ConversionError "'text' is not a valid integer value".
int32_t StrToInt(std::string_view text);

// True when a and b are equal with ASCII letters compared ignoring case.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Trims bytes of value 32 or below from both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace wcthrm
