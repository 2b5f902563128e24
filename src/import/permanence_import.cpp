#include "import/permanence_import.h"

#include "import/folder_paths.h"
#include "import/permanence_reader.h"
#include "window/form_model.h"
#include "window/platform.h"

namespace ravelin {

namespace {
// Slots after the last spin, which stay empty.
constexpr std::size_t trailingSlots = 20;
} // namespace

bool importPermanence(FormModel& form, FileSystem& files, const std::string& folder,
                      const std::string& name)
{
    if (name.empty())
        return false;
    const std::optional<std::string> bytes = files.readFile(pathInFolder(folder, name));
    if (!bytes)
        return false;
    std::optional<Permanence> read = readPermanence(*bytes);
    if (!read)
        return false;

    SessionState& s = form.state;
    const std::size_t n = read->spins.size();
    s.importanzahl = static_cast<double>(n);

    std::string caption = read->headerLines[0];
    caption += '\r';
    caption += read->headerLines[1];
    caption += '\r';
    caption += read->headerLines[2];
    form.text.setCaption(caption);

    // The box's change handling enables Start, or for no spins empties it.
    s.wurfanzahl = s.importanzahl;
    form.textanzahl.setText(std::to_string(n));

    s.importmodus = 1;

    // Slot 0 holds no spin; the spins fill slots 1 to N. They are moved up one
    // slot in the reader's own list rather than copied into another.
    std::vector<double> slots = std::move(read->spins);
    slots.reserve(n + 1 + trailingSlots);
    slots.insert(slots.begin(), 0);
    slots.resize(n + 1 + trailingSlots, 0);
    s.permanenz = std::move(slots);

    form.Frame1.setVisible(false);
    form.okextern.setEnabled(false);
    form.okabbrechen.setEnabled(true);
    form.Label15.setCaption(displayName(name));
    return true;
}

} // namespace ravelin
