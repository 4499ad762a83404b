#pragma once

#include <QString>

#include <optional>

namespace controls {

// Formats a number by a picture such as ",0", ",0.00" or "0": "," groups the
// thousands, each "0" is a digit that is always shown, "." places the
// locale's decimal separator. Rounds half away from zero; a negative number
// gets a leading "-" unless it rounds to zero. Separators are those of
// QLocale() at the time of the call.
QString FormatFloat(const QString &format, long double value);

// Converts a plain numeric string (optional "-", digits, at most one decimal
// separator given as sep) to a number; nothing when it is malformed or out
// of range.
std::optional<long double> StrToFloat(const QString &text, QChar sep);

// The locale's decimal separator, read at each call.
QChar DecimalSeparator();

} // namespace controls
