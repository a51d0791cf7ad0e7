#pragma once

#include <QStringView>
#include <optional>

namespace quillmar {

// Reads the number at the start of a box's text, the way every box in the program is read:
// blanks, tabs and line feeds anywhere are ignored; then an optional sign, digits with at
// most one decimal point and an optional exponent (E or D) are taken up to the first
// character that does not fit; "&H" and "&O" introduce hexadecimal and octal whole numbers.
// A text without a leading number reads as 0 ("12.5mm" is 12.5, "1 2" is 12).
// A number too large for a double fails with overflow (error 6).
double ReadNumber(QStringView text);
// The same, but nullopt for a text without a leading number, where ReadNumber gives 0.
std::optional<double> ReadLeadingNumber(QStringView text);

// Whether the text begins with a number by that rule (blanks ignored).
bool hasLeadingNumber(QStringView text);

// Reads a whole text as a number where anything but a number is a type mismatch
// (error 13): surrounding blanks are allowed, an empty text is not.
double ReadStrictNumber(QStringView text);

}  // namespace quillmar
