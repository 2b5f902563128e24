#include "import/permanence_reader.h"

#include "control/number_reading.h"
#include "info/windows1252.h"

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

// The spins as they are read, in blocks of a fixed size: growing never copies
// what is held, and the list in the end is sized exactly once.
class SpinBlocks {
public:
    void push(double value)
    {
        if (blocks_.empty() || blocks_.back().size() == blockSize) {
            blocks_.emplace_back();
            blocks_.back().reserve(blockSize);
        }
        blocks_.back().push_back(value);
        ++count_;
    }

    std::vector<double> take(std::size_t roomAfter)
    {
        std::vector<double> all;
        all.reserve(count_ + roomAfter);
        for (std::vector<double>& block : blocks_) {
            all.insert(all.end(), block.begin(), block.end());
            std::vector<double>().swap(block);
        }
        return all;
    }

private:
    static constexpr std::size_t blockSize = 8192;
    std::vector<std::vector<double>> blocks_;
    std::size_t count_ = 0;
};

} // namespace

std::optional<Permanence> readPermanence(const PermanenceItems::Source& source,
                                         std::size_t roomAfter)
{
    PermanenceItems items(source);
    std::string kept;

    items.limitTo(firstItemWindow);
    if (items.atEnd())
        return std::nullopt;
    items.next(kept, headerItemKept, false);
    if (!items.delimited() || !kept.starts_with(casinoMark))
        return std::nullopt;
    items.lift();

    Permanence permanence;
    permanence.headerLines[0] = headerLine(kept);
    for (std::size_t i = 1; i < 3; ++i) {
        if (items.atEnd())
            return std::nullopt;
        items.next(kept, headerItemKept, false);
        permanence.headerLines[i] = headerLine(kept);
    }
    // The fourth header item is read past, unseen.
    if (items.atEnd())
        return std::nullopt;
    items.next(kept, 0, false);

    SpinBlocks spins;
    while (!items.atEnd()) {
        const std::optional<char> first = items.next(kept, spinItemKept, true);
        if (first == '-')
            continue;
        if (first == '=')
            break;
        spins.push(readNumber(kept));
    }
    if (items.failed())
        return std::nullopt;
    permanence.spins = spins.take(roomAfter);
    return permanence;
}

std::optional<Permanence> readPermanence(std::string_view bytes, std::size_t roomAfter)
{
    std::size_t pos = 0;
    return readPermanence(
        [&](char* buffer, std::size_t size) -> std::optional<std::size_t> {
            const std::size_t n = std::min(size, bytes.size() - pos);
            std::memcpy(buffer, bytes.data() + pos, n);
            pos += n;
            return n;
        },
        roomAfter);
}

} // namespace ravelin
