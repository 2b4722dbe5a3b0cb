// Numbers as text with a decimal comma or a decimal point, in one place: what the
// exports, listings, dialogs and the clipboard write, and what they accept when a person
// types a number. Locale-free by construction (std::to_chars / std::from_chars): the
// process locale never changes a sign. No Qt.
#pragma once

#include "i18n/i18n.h"

#include <optional>
#include <string>
#include <string_view>

namespace decimalsign {

// The decimal sign of a text: ',' for German texts, '.' for the C notation.
enum class Sign : char {
    Point = '.',
    Comma = ',',
};

// The sign of the program's interface in the language it speaks (a comma in German, a
// point in English): its dialogs show numbers with it and everything it copies to the
// clipboard carries it, whatever the process locale says (the desktop program runs in the
// C locale so that nothing else depends on it).
inline Sign interfaceSign()
{
    return i18n::decimalSeparator() == ',' ? Sign::Comma : Sign::Point;
}

// The shortest text that reads back as the same double, never in exponent form
// ("500000", not "5e+05": a spreadsheet shows the first as a number a person reads).
// A value that is zero is written without a sign; an infinite or NaN value gives "".
std::string shortest(double value, Sign sign);

// A number as a spreadsheet shows it in its general format in a column of the default
// width: in at most eight characters (a minus sign aside), without trailing zeros, in
// exponent form only when nothing else fits; and with the fewest digits that give the same
// single-precision value, so that a cell written from single precision shows the number
// that was typed ("0,76" for a stored 0.7600000047849319, "8,73" for 8.729999542236328).
std::string general(double value, Sign sign);

// Exactly `decimals` decimals, rounded correctly; a value that rounds to zero is written
// without a sign ("0,00", not "-0,00").
std::string fixed(double value, int decimals, Sign sign);

// `decimals` decimals with the interface's sign: how the dialogs, the graph captions and
// the messages show a number ("1234,50" in German, "1234.50" in English).
inline std::string shown(double value, int decimals)
{
    return fixed(value, decimals, interfaceSign());
}

// The same texts appended to `out`, for files of millions of numbers.
void appendShortest(std::string &out, double value, Sign sign);
void appendFixed(std::string &out, double value, int decimals, Sign sign);

// Which decimal signs a reader takes.
enum class Accept {
    Point,
    Comma,
    Either, // what a person types in a German program: "1250,5" or "1250.5"
};

// A number: an optional sign, digits with at most one decimal sign among them, an
// optional exponent; blanks around it are allowed. Nothing for any other text (also
// thousands separators, "inf", "nan") or a value out of range.
std::optional<double> read(std::string_view text, Accept accept);

} // namespace decimalsign
