// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tw {

// Reads the text of a Custom Field box as a number: blanks, tabs, CR and LF are
// skipped anywhere; then an optional sign, digits with at most one decimal point and
// an optional exponent (E, e, D or d), read up to the first character that cannot
// continue the number. "&H" or "&h" starts a hexadecimal whole number, "&O" or "&o" an
// octal one; "&" before anything else is no number. No number at the start reads 0.
// The result is always finite except on overflow, which gives +HUGE_VAL or -HUGE_VAL
// (hex and octal overflow give +HUGE_VAL); the dialog's limits then turn +infinity
// into the upper limit (a width of 1e999 ends as 37) and -infinity into the lower
// correction (a width of -1e999 ends as 8). Independent of the C locale.
double numbertext(std::string_view text);

}  // namespace tw
