// SPDX-License-Identifier: GPL-3.0-or-later
// Any text read as a number gives a finite number, and the same one when the
// text is read again or with blanks around its characters.
#include "text/number_reading.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ravelin::readNumber(text);
    if (!std::isfinite(value))
        std::abort();

    // Blanks are skipped wherever they stand, so spreading them changes nothing.
    std::string spread;
    spread.reserve(2 * size + 1);
    spread += ' ';
    for (const char c : text) {
        spread += c;
        spread += ' ';
    }
    const double again = ravelin::readNumber(spread);
    if (std::memcmp(&value, &again, sizeof value) != 0 && !(value == 0 && again == 0))
        std::abort();
    return 0;
}
