#pragma once

#include <cstddef>
#include <string_view>

namespace ravelin {

// Cuts the bytes of a permanence file into items: an item ends at a comma or
// at the end of its line (CR LF, LF or CR alone); blanks and tabs in front of
// it are skipped; an item that begins with a double quote runs to the next
// double quote, commas and line ends included, and whatever follows the
// closing quote up to the comma or line end is dropped; an empty line is one
// empty item. The items are views into the bytes, which must outlive them.
class PermanenceItems {
public:
    explicit PermanenceItems(std::string_view bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    // The next item; at the end of the bytes an empty one.
    std::string_view next();

private:
    // Digits and letters lie above all three ends: one comparison passes them.
    static bool endsItem(char c)
    {
        return static_cast<unsigned char>(c) <= ',' && (c == ',' || c == '\r' || c == '\n');
    }
    void skipDelimiter();

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace ravelin
