#pragma once

#include <QStringView>

// Numbers kept as text in the windows' fields are read the way the program always read them.
namespace DecimalText {

// The value of the leading decimal digits; 0 when there are none (the empty text included).
// Absurdly long digit runs saturate instead of overflowing.
qint64 leadingDigits(QStringView text);

// The numeric value of a text such as " -2.5x": leading blanks, a sign, digits and a decimal
// point, rounded half to even; 0 when no number begins the text.
qint64 roundedValue(QStringView text);

}  // namespace DecimalText
