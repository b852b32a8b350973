// The Collatz sequence engine: reading a start value, the range test, the step rule and the written
// form of values. Standard C++ only, so it builds and is tested without any user interface.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace collatz {

inline constexpr double lowestStart = 3;
inline constexpr double highestStart = 10'000'000;

/// Reads the start value from typed UTF-8 text and rounds it down to a whole number.
/// Blanks, tabs, line breaks and ideographic spaces are ignored wherever they stand, full-width
/// ASCII forms read as their ASCII counterparts, and reading stops at the first character that
/// cannot continue the number: "1 2" reads 12, "３．９９" reads 3, "12abc" reads 12, "abc12" reads 0,
/// "-2.5" reads -3. A number beyond the range of a double reads as plus or minus infinity.
double readStartValue(std::string_view text);

/// True when 3 <= value <= 10,000,000.
bool isAcceptedStart(double value);

/// One step of the rule: n / 2 for an even n, n * 3 + 1 for an odd one. Parity is decided exactly
/// on the whole value (after rounding to the nearest whole number, ties to even), at any magnitude.
double nextValue(double n);

/// The written form of a value: a blank then the digits for zero or more (" 27"), a minus sign
/// then the digits for a negative value ("-5"). Whole values below 10^15 in magnitude are written
/// in full; larger ones with 15 significant digits (" 1E+300"); infinities as " inf" and "-inf",
/// NaN as " nan".
std::string formatValue(double value);

/// Steps n down to 1, appending the written form of every new value to sequenceText and calling
/// stepReport with the whole text after each step. A start that is not a finite whole number of
/// at least 1 has no run to 1 and is left as it is, with no step.
void runSequence(double& n, std::string& sequenceText,
                 const std::function<void(const std::string&)>& stepReport);

} // namespace collatz
