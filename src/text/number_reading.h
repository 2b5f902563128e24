// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ravelin {

// The leading decimal number of a text, whatever the locale: blanks, tabs
// and line feeds are skipped wherever they stand; an optional sign, digits
// with at most one '.', an optional exponent (E or D, either case, with an
// optional sign). Reading stops at the first character that does not fit.
// A text that does not begin with a number reads as 0; a number beyond the
// range of a double reads as 0 too, so no infinity ever leaves here.
double readNumber(std::string_view text);

} // namespace ravelin
