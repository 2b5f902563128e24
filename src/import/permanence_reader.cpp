#include "import/permanence_reader.h"

#include "control/number_reading.h"
#include "import/permanence_items.h"
#include "info/windows1252.h"

namespace ravelin {

namespace {

constexpr std::string_view casinoMark = "Spielbank";

// A header item in UTF-8; a quoted item may hold line ends, which a caption
// writes as a carriage return alone.
std::string headerLine(std::string_view bytes)
{
    const std::string decoded = windows1252ToUtf8(bytes);
    std::string line;
    line.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char c = decoded[i];
        if (c == '\r' && i + 1 < decoded.size() && decoded[i + 1] == '\n')
            continue;
        line += c == '\n' ? '\r' : c;
    }
    return line;
}

} // namespace

std::optional<Permanence> readPermanence(std::string_view bytes)
{
    PermanenceItems items(bytes);
    if (items.atEnd())
        return std::nullopt;
    const std::string_view first = items.next();
    if (!first.starts_with(casinoMark))
        return std::nullopt;

    Permanence permanence;
    permanence.headerLines[0] = headerLine(first);
    for (int i = 1; i < 3; ++i) {
        if (items.atEnd())
            return std::nullopt;
        permanence.headerLines[static_cast<std::size_t>(i)] = headerLine(items.next());
    }
    // The fourth header item is read past, unseen.
    if (items.atEnd())
        return std::nullopt;
    items.next();

    // Most spin lines take three bytes or more ("7" and CR LF): room for that
    // many up front, so that the list is not copied again and again as it grows.
    permanence.spins.reserve(bytes.size() / 3 + 1);
    while (!items.atEnd()) {
        const std::string_view item = items.next();
        if (item.starts_with('-'))
            continue;
        if (item.starts_with('='))
            break;
        permanence.spins.push_back(readNumber(item));
    }
    return permanence;
}

} // namespace ravelin
