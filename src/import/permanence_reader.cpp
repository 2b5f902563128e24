// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/permanence_reader.h"

#include "text/number_reading.h"
#include "text/windows1252.h"

#include <algorithm>
#include <cstring>

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

// Reads the four header items, the first three into `shown`. False when the
// file is no permanence or ends before its header does.
bool readHeader(PermanenceItems& items, std::array<std::string, 3>& shown)
{
    items.limitTo(firstItemWindow);
    if (items.atEnd())
        return false;
    items.next(headerItemKept, false);
    if (!items.delimited() || !items.text().starts_with(casinoMark))
        return false;
    items.lift();
    shown[0] = headerLine(items.text());
    for (std::size_t i = 1; i < 3; ++i) {
        if (items.atEnd())
            return false;
        items.next(headerItemKept, false);
        shown[i] = headerLine(items.text());
    }
    // The fourth header item is read past, unseen.
    if (items.atEnd())
        return false;
    items.next(0, false);
    return true;
}

// Hands the text of every spin item to `take`, up to the end item: an item
// that begins with "-" is a separator, one that begins with "=" ends the spins.
template <typename Take> void forEachSpin(PermanenceItems& items, Take take)
{
    while (!items.atEnd()) {
        const std::optional<char> first = items.next(spinItemKept, true);
        if (first == '-')
            continue;
        if (first == '=')
            break;
        take(items.text());
    }
}

} // namespace

std::optional<Permanence> readPermanence(const OpenPass& open, Room room)
{
    // The file is read twice, once to count its spins and once to store them,
    // so that the list is laid out once, at its size.
    Permanence permanence;
    std::size_t count = 0;
    {
        PermanenceItems items(open());
        if (!readHeader(items, permanence.headerLines))
            return std::nullopt;
        forEachSpin(items, [&](std::string_view) { ++count; });
        if (items.failed())
            return std::nullopt;
    }

    std::vector<double> spins;
    spins.reserve(room.before + count + room.after);
    spins.resize(room.before, 0);
    PermanenceItems items(open());
    std::array<std::string, 3> headerAgain;
    bool changed = !readHeader(items, headerAgain) || headerAgain != permanence.headerLines;
    forEachSpin(items, [&](std::string_view text) {
        if (spins.size() - room.before < count)
            spins.push_back(readNumber(text));
        else
            changed = true;
    });
    // A file that changed between the two readings is read as neither.
    if (changed || items.failed() || spins.size() - room.before != count)
        return std::nullopt;
    permanence.spins = std::move(spins);
    return permanence;
}

std::optional<Permanence> readPermanence(std::string_view bytes, Room room)
{
    return readPermanence(
        [bytes]() -> PermanenceItems::Source {
            return [bytes, pos = std::size_t{0}](
                       char* buffer, std::size_t size) mutable -> std::optional<std::size_t> {
                const std::size_t n = std::min(size, bytes.size() - pos);
                std::memcpy(buffer, bytes.data() + pos, n);
                pos += n;
                return n;
            };
        },
        room);
}

} // namespace ravelin
