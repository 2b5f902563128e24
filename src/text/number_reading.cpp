// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/number_reading.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

namespace ravelin {

namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text with the skipped characters left out.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { skip(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance()
    {
        ++pos_;
        skip();
    }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

private:
    void skip()
    {
        while (pos_ < text_.size() && isSkipped(text_[pos_]))
            ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Most texts read are counts and spins: a few digits that end the text or
// stand before a character that cannot go on with a number. Fifteen digits
// at most, so that the value is exact in a double, as the general reading
// gives it. False when the general reading is needed.
bool readPlainDigits(std::string_view text, double& value)
{
    constexpr std::size_t maxDigits = 15;
    std::uint64_t whole = 0;
    std::size_t i = 0;
    while (i < text.size() && i < maxDigits && isDigit(text[i])) {
        whole = whole * 10 + static_cast<std::uint64_t>(text[i] - '0');
        ++i;
    }
    if (i == 0)
        return false;
    if (i < text.size()) {
        const char c = text[i];
        if (isDigit(c) || isSkipped(c) || c == '.' || c == 'e' || c == 'E' || c == 'd' || c == 'D')
            return false;
    }
    value = static_cast<double>(whole);
    return true;
}

} // namespace

double readNumber(std::string_view text)
{
    if (double plain = 0; readPlainDigits(text, plain))
        return plain;

    Cursor in(text);
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }

    // The number in the form from_chars reads: digits, '.', digits, 'e', exponent.
    std::string number;
    bool anyDigit = false;
    while (isDigit(in.peek())) {
        number += in.peek();
        anyDigit = true;
        in.advance();
    }
    if (in.peek() == '.') {
        number += '.';
        in.advance();
        while (isDigit(in.peek())) {
            number += in.peek();
            anyDigit = true;
            in.advance();
        }
    }
    if (!anyDigit)
        return 0;

    const char e = in.peek();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        const std::size_t mark = in.position();
        std::string exponent = "e";
        in.advance();
        if (in.peek() == '+' || in.peek() == '-') {
            exponent += in.peek();
            in.advance();
        }
        bool exponentDigit = false;
        while (isDigit(in.peek())) {
            exponent += in.peek();
            exponentDigit = true;
            in.advance();
        }
        if (exponentDigit)
            number += exponent;
        else
            in.rewind(mark);
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    (void)end;
    // Out of range or not read at all: no number.
    if (error != std::errc{})
        return 0;
    return negative ? -value : value;
}

} // namespace ravelin
