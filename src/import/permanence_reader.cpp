// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/permanence_reader.h"

#include "text/number_reading.h"
#include "text/windows1252.h"

#include <algorithm>
#include <cstring>
#include <utility>

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

PermanenceStream::PermanenceStream(PermanenceItems::Source source)
    : items_([this, source = std::move(source)](char* buffer,
                                                std::size_t size) -> std::optional<std::size_t> {
          const std::optional<std::size_t> got = source(buffer, size);
          if (watchingForNul_ && got && std::memchr(buffer, '\0', std::min(*got, size)))
              sawNul_ = true;
          return got;
      })
{
}

PermanenceStatus PermanenceStream::readHeader()
{
    // What ends the file before its header is complete, told apart.
    const auto cutShort = [this] {
        return items_.failed() ? PermanenceStatus::unreadable : PermanenceStatus::empty;
    };
    items_.limitTo(firstItemWindow);
    if (items_.atEnd())
        return cutShort();
    items_.next(headerItemKept, false);
    watchingForNul_ = false;
    if (!items_.delimited() || !items_.text().starts_with(casinoMark)) {
        if (items_.failed() || sawNul_)
            return PermanenceStatus::unreadable;
        return PermanenceStatus::noPermanence;
    }
    items_.lift();
    headerLines_[0] = headerLine(items_.text());
    for (std::size_t i = 1; i < 3; ++i) {
        if (items_.atEnd())
            return cutShort();
        items_.next(headerItemKept, false);
        headerLines_[i] = headerLine(items_.text());
    }
    // The fourth header item is read past, unseen.
    if (items_.atEnd())
        return cutShort();
    items_.next(0, false);
    ended_ = false;
    return PermanenceStatus::read;
}

std::optional<Permanence> readPermanence(const OpenPass& open, Room room)
{
    // The file is read twice, once to count its spins and once to store them,
    // so that the list is laid out once, at its size.
    Permanence permanence;
    std::size_t count = 0;
    {
        PermanenceStream first(open());
        if (first.readHeader() != PermanenceStatus::read)
            return std::nullopt;
        permanence.headerLines = first.headerLines();
        while (first.nextSpin())
            ++count;
        if (first.failed())
            return std::nullopt;
    }

    std::vector<double> spins;
    spins.reserve(room.before + count + room.after);
    spins.resize(room.before, 0);
    PermanenceStream again(open());
    // A file that changed between the two readings is read as neither.
    if (again.readHeader() != PermanenceStatus::read ||
        again.headerLines() != permanence.headerLines)
        return std::nullopt;
    while (const std::optional<std::string_view> text = again.nextSpin()) {
        if (spins.size() - room.before == count)
            return std::nullopt;
        spins.push_back(readNumber(*text));
    }
    if (again.failed() || spins.size() - room.before != count)
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
