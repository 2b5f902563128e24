#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

// What a permanence file of the casino holds.
struct Permanence {
    std::array<std::string, 3> headerLines; // the three shown header items, UTF-8
    std::vector<double> spins;              // the spin values in file order, as read
};

// Reads the bytes of a permanence file. Nothing is returned for an empty
// file, for one whose first item does not begin with "Spielbank" and for one
// that ends before its four header items.
std::optional<Permanence> readPermanence(std::string_view bytes);

} // namespace ravelin
