#pragma once

#include <QStringView>

#include <optional>

namespace tildora {

// Reads the number at the start of a text as exercise files have always been
// read: blanks anywhere are skipped, '.' is the decimal separator, an optional
// sign and exponent are allowed, reading stops at the first character that
// cannot continue the number, and a text with no leading number reads as 0.
// Never fails; too large a number reads as an infinity.
double readNumber(QStringView text);

// Nearest whole number; halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// readNumber, rounded half to even; empty when the result lies outside
// [lowest, highest], so that the caller can keep its old value.
std::optional<int> readWholeNumber(QStringView text, int lowest, int highest);

} // namespace tildora
