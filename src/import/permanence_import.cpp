// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/permanence_import.h"

#include "import/folder_paths.h"
#include "import/permanence_reader.h"
#include "window/form_model.h"
#include "window/platform.h"

#include <memory>
#include <string_view>

namespace ravelin {

namespace {

// Said once the file is in: its name, its header lines and its spin count,
// "b-hamburg.txt importiert. Spielbank Hamburg, Tisch 1, Mai. 60 W\u00fcrfe".
std::string importWords(std::string_view shownName, const Permanence& read, std::size_t spins)
{
    std::string words(shownName);
    words += " importiert";
    std::string_view separator = ". ";
    for (const std::string& line : read.headerLines) {
        const std::size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos)
            continue;
        words += separator;
        words += std::string_view(line).substr(first, line.find_last_not_of(' ') + 1 - first);
        separator = ", ";
    }
    words += ". ";
    words += std::to_string(spins);
    words += spins == 1 ? " Wurf" : " W\u00fcrfe";
    return words;
}

} // namespace

bool importPermanence(FormModel& form, FileSystem& files, const std::string& folder,
                      const std::string& name)
{
    if (name.empty())
        return false;
    // Everything is read and every list and text made before the first
    // change, so that a file that fails at any point, memory included,
    // changes nothing at all.
    const std::string path = pathInFolder(folder, name);
    // Each reading opens the file anew and closes it when done; a file that
    // cannot be opened is one whose reading fails.
    std::optional<Permanence> read = readPermanence(
        [&]() -> PermanenceItems::Source {
            std::shared_ptr<FileSystem::OpenFile> file = files.open(path);
            return [file](char* buffer, std::size_t size) -> std::optional<std::size_t> {
                return file ? file->read(buffer, size) : std::nullopt;
            };
        },
        {1, trailingSlots});
    if (!read)
        return false;

    // Slot 0 holds no spin; the spins fill slots 1 to N, in the list the
    // reader laid out for them.
    std::vector<double> slots = std::move(read->spins);
    const std::size_t n = slots.size() - 1;
    slots.resize(n + 1 + trailingSlots, 0);

    std::string caption = read->headerLines[0];
    caption += '\r';
    caption += read->headerLines[1];
    caption += '\r';
    caption += read->headerLines[2];
    const std::string count = std::to_string(n);
    const std::string shownName = displayName(name);

    SessionState& s = form.state;
    s.importanzahl = static_cast<double>(n);
    form.text.setCaption(caption);
    // The box's change handling enables Start, or for no spins empties it.
    s.wurfanzahl = s.importanzahl;
    form.setTextanzahl(count);
    s.importmodus = 1;
    s.permanenz = std::move(slots);

    form.Frame1.setVisible(false);
    form.okextern.setEnabled(false);
    form.okabbrechen.setEnabled(true);
    form.Label15.setCaption(shownName);
    form.permanenceFolder = folder;
    form.announcement.say(importWords(shownName, *read, n));
    return true;
}

} // namespace ravelin
