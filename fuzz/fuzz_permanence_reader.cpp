// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a permanence file: either the import refuses them and nothing
// changes, or the session holds exactly what the reader found: N spins in
// slots 1 to N of N + 21 slots, the header lines as valid UTF-8 in the
// guidance, N in the spin-count box. The tally over the file agrees.
#include "import/permanence_import.h"
#include "import/permanence_reader.h"
#include "support/scripted_platform.h"
#include "tally/permanence_tally.h"
#include "text/windows1252.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using ravelin::FormModel;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool sameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A window with a run set up by hand and the panel open, as OK finds it.
void setUp(ravelin::testing::TestWindow& w)
{
    FormModel& f = w.form;
    f.state.importmodus = 0;
    f.state.importanzahl = 5;
    f.state.permanenz = {0, 4, 19};
    f.setTextanzahl("");
    w.controller.textanzahlEdited("7");
    f.okextern.setEnabled(true);
    f.okabbrechen.setEnabled(false);
    f.Label15.setCaption("");
    w.controller.okexternClick();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ravelin::testing::TestWindow w;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    w.files.files["/perm/f.txt"] = bytes;
    setUp(w);
    const FormModel& f = w.form;
    const std::string panelText = f.text.caption();

    const std::optional<ravelin::Permanence> read = ravelin::readPermanence(bytes);
    const bool imported = ravelin::importPermanence(w.form, w.files, "/perm", "f.txt");
    check(imported == read.has_value());

    // The tally reads the same file with the same reader: it lists it as read
    // exactly when the import takes spins from it, with as many spins.
    const ravelin::TallyResult tally = ravelin::tallyPermanences(w.files, {"/perm/f.txt"});
    check(tally.rows.size() == 1);
    const ravelin::TallyRow& row = tally.rows[0];
    const bool readWithSpins = imported && !read->spins.empty();
    check((row.status == ravelin::PermanenceStatus::read) == readWithSpins);
    check(row.spins == (readWithSpins ? read->spins.size() : 0));
    check(3 * row.numbers <= row.spins);

    if (!imported) {
        check(f.state.importmodus == 0 && f.state.importanzahl == 5 && f.state.wurfanzahl == 7);
        check(f.state.permanenz == std::vector<double>({0, 4, 19}));
        check(f.textanzahl.text() == "7" && f.okstart.enabled());
        check(f.text.caption() == panelText && f.Label15.caption().empty());
        check(f.Frame1.visible() && f.okextern.enabled() && !f.okabbrechen.enabled());
        return 0;
    }

    // Every item ends at a comma or a line end, so there are never more spins
    // than those and one more.
    std::size_t cuts = 0;
    for (const char c : bytes)
        cuts += c == ',' || c == '\r' || c == '\n';
    const std::size_t n = read->spins.size();
    check(n <= cuts + 1);

    const std::vector<double>& slots = f.state.permanenz;
    check(slots.size() == n + 21);
    check(sameDouble(slots[0], 0));
    for (std::size_t i = 0; i < n; ++i) {
        check(std::isfinite(read->spins[i]));
        check(sameDouble(slots[i + 1], read->spins[i]));
    }
    for (std::size_t i = n + 1; i < slots.size(); ++i)
        check(sameDouble(slots[i], 0));

    check(f.state.importanzahl == static_cast<double>(n));
    check(f.state.wurfanzahl == static_cast<double>(n));
    check(f.state.importmodus == 1);
    check(f.textanzahl.text() == (n > 0 ? std::to_string(n) : std::string()));
    check(f.okstart.enabled() == (n > 0));

    std::string caption;
    for (std::size_t i = 0; i < read->headerLines.size(); ++i) {
        const std::string& line = read->headerLines[i];
        check(ravelin::isValidUtf8(line));
        check(line.find('\n') == std::string::npos);
        if (i > 0)
            caption += '\r';
        caption += line;
    }
    check(read->headerLines[0].starts_with("Spielbank"));
    check(f.text.caption() == caption);
    check(f.Label15.caption() == "f.txt");
    check(!f.Frame1.visible() && !f.okextern.enabled() && f.okabbrechen.enabled());
    return 0;
}
