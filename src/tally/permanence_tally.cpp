// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally/permanence_tally.h"

#include "board/board_tables.h"
#include "board/wheel.h"
#include "tally/triple_counter.h"
#include "text/number_reading.h"
#include "window/platform.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace ravelin {

namespace {

std::string nameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool askCancelled(const TallyHooks& hooks) { return hooks.cancelled && hooks.cancelled(); }

struct FileTally {
    PermanenceStatus status = PermanenceStatus::unreadable;
    std::uint64_t spins = 0;
    bool cancelled = false;
};

// Reads one file into `counter`, asking after every block whether to stop.
FileTally tallyFile(FileSystem& files, const std::string& path, const TallyHooks& hooks,
                    TripleCounter& counter)
{
    FileTally tally;
    const std::unique_ptr<FileSystem::OpenFile> file = files.open(path);
    if (!file)
        return tally;
    PermanenceStream stream([&](char* buffer, std::size_t size) -> std::optional<std::size_t> {
        if (askCancelled(hooks)) {
            tally.cancelled = true;
            return std::nullopt;
        }
        return file->read(buffer, size);
    });
    tally.status = stream.readHeader();
    if (tally.status == PermanenceStatus::read) {
        // Read as the import stores it and as a run then draws it.
        while (const std::optional<std::string_view> text = stream.nextSpin()) {
            ++tally.spins;
            counter.add(wheel::spinOf(readNumber(*text)));
        }
        if (stream.failed())
            tally.status = PermanenceStatus::unreadable;
        else if (tally.spins == 0)
            tally.status = PermanenceStatus::empty;
    }
    return tally;
}

} // namespace

std::string_view statusLabel(PermanenceStatus status)
{
    switch (status) {
    case PermanenceStatus::read:
        return "gelesen";
    case PermanenceStatus::noPermanence:
        return "keine Permanenz";
    case PermanenceStatus::unreadable:
        return "nicht lesbar";
    case PermanenceStatus::empty:
        return "leer";
    }
    return "nicht lesbar";
}

TallyResult tallyPermanences(FileSystem& files, std::vector<std::string> paths,
                             const TallyHooks& hooks)
{
    std::vector<TallyRow> order;
    order.reserve(paths.size());
    for (std::string& path : paths) {
        TallyRow row;
        row.name = nameOf(path);
        row.path = std::move(path);
        order.push_back(std::move(row));
    }
    std::sort(order.begin(), order.end(), [](const TallyRow& a, const TallyRow& b) {
        return a.name != b.name ? a.name < b.name : a.path < b.path;
    });

    BoardTables board;
    board.fill();
    TallyResult result;
    result.rows.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (askCancelled(hooks)) {
            result.cancelled = true;
            break;
        }
        TallyRow& row = order[i];
        if (hooks.progress)
            hooks.progress(i, order.size(), row.path);
        TripleCounter counter(board);
        const FileTally file = tallyFile(files, row.path, hooks, counter);
        if (file.cancelled) {
            result.cancelled = true;
            break;
        }
        row.status = file.status;
        if (row.status == PermanenceStatus::read) {
            row.spins = file.spins;
            row.numbers = counter.numbers();
            result.counts += counter.counts();
            result.chances += repeatChances(row.numbers);
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

} // namespace ravelin
