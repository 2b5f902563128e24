// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/spin_run.h"

#include "board/wheel.h"
#include "run/press_words.h"
#include "text/plain_number.h"
#include "window/form_model.h"
#include "window/platform.h"
#include "window/run_mode.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

namespace ravelin {

namespace {

constexpr std::string_view computerText = " Der Computer erzeugt die Zahlen...";
constexpr std::string_view endLine = "\r                    ***  ENDE  *** ";
// From the 26th triple on the log keeps its newest row in view.
constexpr int lastRowBeforeScrolling = 24;
// Room for a log text of two 16-bit numbers, "-32768/-32768" at most.
constexpr std::size_t logTextSize = 16;

} // namespace

SpinRun::SpinRun(FormModel& form, SpinSource& spins)
    : form_(form), spins_(spins), statistics_(form), runModes_(form)
{
}

void SpinRun::okstartClick()
{
    SessionState& s = form_.state;
    form_.okstart.setBackColour(colour::startRed);

    // The log's last row bounds the run. The bound also keeps kombiwurf,
    // rotwurf, rotzaehler and rotationen, 16-bit counters all, far below
    // 32767: rotwurf rises at most twice per triple.
    if (s.kombiwurf >= wheel::logRows) {
        endRunGivingUpTriple();
        return;
    }

    ++s.schritt;
    if (s.schritt == 2)
        columnPhase();
    else if (s.schritt == 3)
        colourPhase();
    else
        tripleStart();
}

void SpinRun::clearCandidates()
{
    GridModel& t1 = form_.tabelle1;
    // A run's first triple finds the grid's own colour in both columns, as
    // start-up and restart leave them, so then every cell of them is cleared.
    if (form_.state.wurfnummer == 0) {
        painted_.clear();
        for (int col : {tabelle1col::twiceInARow, tabelle1col::threeInARow})
            for (int row = 0; row <= wheel::lastNumber; ++row)
                painted_.emplace_back(row, col);
    }
    for (const auto& [row, col] : painted_)
        t1.setColourAt(row, col, colour::windowBackground);
    painted_.clear();
    // The current cell ends where walking the two columns cell by cell leaves it.
    t1.setRow(wheel::lastNumber);
    t1.setCol(tabelle1col::threeInARow);
}

void SpinRun::paintCandidate(int row, int col)
{
    form_.tabelle1.setColourAt(row, col, colour::candidateBlue);
    painted_.emplace_back(row, col);
}

void SpinRun::tripleStart()
{
    clearCandidates();

    form_.okabbrechen.setEnabled(true);
    form_.okextern.setEnabled(false);
    form_.okstart.setCaption("Weiter");
    if (form_.state.importmodus == 0)
        form_.text.setCaption(computerText);
    if (form_.Option1.isSelected(runmode::rotation37))
        runModes_.rotationReset();

    runEndCheck();
}

void SpinRun::runEndCheck()
{
    const SessionState& s = form_.state;
    // Reached only after a colour phase filled the log's last row.
    if (s.kombiwurf >= wheel::logRows) {
        endRunGivingUpTriple();
        return;
    }
    if (s.wurfnummer >= s.wurfanzahl) {
        endRun();
        return;
    }
    sixGroupPhase();
}

void SpinRun::sixGroupPhase()
{
    SessionState& s = form_.state;
    s.wurfnummer += 1;
    ++s.rotwurf;
    if (!drawSpin(true)) {
        // A triple that never got its first spin counts for no rotation.
        --s.rotwurf;
        return;
    }
    s.aktsechser = form_.board.sechser[static_cast<std::size_t>(s.wurfzahl)];
    writeLog(1, s.wurfzahl, s.aktsechser);
    if (form_.announcement.listening())
        form_.announcement.say(logCellWords(TriplePart::sixGroup, s.wurfzahl, s.aktsechser));

    // The group's six numbers, top to bottom; the current cell ends on the last.
    GridModel& t1 = form_.tabelle1;
    for (int row = 6 * s.aktsechser - 5; row <= 6 * s.aktsechser; ++row)
        paintCandidate(row, tabelle1col::threeInARow);
    t1.setRow(6 * s.aktsechser);
    t1.setCol(tabelle1col::threeInARow);
    s.wurfnummer += 1;
}

void SpinRun::columnPhase()
{
    SessionState& s = form_.state;
    if (!drawSpin(false))
        return;
    s.aktkolonne = form_.board.kolonne[static_cast<std::size_t>(s.wurfzahl)];
    writeLog(2, s.wurfzahl, s.aktkolonne);
    if (form_.announcement.listening())
        form_.announcement.say(logCellWords(TriplePart::column, s.wurfzahl, s.aktkolonne));

    // The pair of the group and column: the even (black) one, then the odd (red) one.
    const int pair = 6 * s.aktsechser - 5 + 2 * s.aktkolonne;
    GridModel& t1 = form_.tabelle1;
    paintCandidate(pair - 1, tabelle1col::twiceInARow);
    paintCandidate(pair - 2, tabelle1col::twiceInARow);
    // The current cell ends on the odd one, painted last.
    t1.setRow(pair - 2);
    t1.setCol(tabelle1col::twiceInARow);
    s.wurfnummer += 1;
}

void SpinRun::colourPhase()
{
    SessionState& s = form_.state;
    if (!drawSpin(false))
        return;
    s.aktfarbe = form_.board.farbe[static_cast<std::size_t>(s.wurfzahl)];
    writeLog(3, s.wurfzahl, s.aktfarbe);

    s.zahl = form_.board.number(s.aktsechser, s.aktkolonne, s.aktfarbe);
    if (form_.announcement.listening())
        form_.announcement.say(colourCellWords(s.wurfzahl, s.aktfarbe, s.zahl));
    GridModel& log = form_.tabelle3;
    log.setRow(s.kombiwurf);
    log.setCol(0);
    const PlainNumber number(s.zahl);
    log.setText(number.text());

    s.schritt = 0;
    form_.okstart.setBackColour(colour::startGreen);
    ++s.kombiwurf;
    form_.lakut.setCaption(PlainNumber(s.wurfnummer).text());
    form_.Lreal.setCaption(PlainNumber(s.kombiwurf).text());
    if (log.row() > lastRowBeforeScrolling)
        log.setTopRow(s.kombiwurf - 1 - lastRowBeforeScrolling);
    form_.lzahl.setCaption(number.text());

    statistics_.update();
    if (form_.paintNow)
        form_.paintNow->paintNow(form_.lakut);

    const int mode = form_.Option1.selected();
    if (runModes_.step())
        runEndCheck();
    // The run changed its mode by itself: the option the eye sees move is said.
    else if (form_.Option1.selected() != mode)
        form_.announcement.say(form_.Option1.caption(form_.Option1.selected()));
}

void SpinRun::runToEnd()
{
    // Put back however the presses end, so that a later press paints again.
    struct PaintingSuspended {
        FormModel& form;
        PaintNow* painting = std::exchange(form.paintNow, nullptr);
        ~PaintingSuspended() { form.paintNow = painting; }
    } suspended{form_};
    // One summary for the whole run, not the words of every press.
    struct WordsHeldBack {
        Announcement& announcement;
        explicit WordsHeldBack(Announcement& a) : announcement(a) { a.holdBack(true); }
        WordsHeldBack(const WordsHeldBack&) = delete;
        WordsHeldBack& operator=(const WordsHeldBack&) = delete;
        ~WordsHeldBack() { announcement.holdBack(false); }
    };
    const int mode = form_.Option1.selected();
    bool pressed = false;
    {
        const WordsHeldBack held(form_.announcement);
        while (form_.okstart.enabled() && form_.Option1.selected() == mode) {
            okstartClick();
            pressed = true;
        }
    }
    if (!pressed)
        return;
    const std::string_view stoppedAt =
        form_.okstart.enabled() ? std::string_view(form_.Option1.caption(form_.Option1.selected()))
                                : runEndWord;
    form_.announcement.say(runSummaryWords(stoppedAt, form_.state.kombiwurf));
}

bool SpinRun::drawSpin(bool sixGroup)
{
    SessionState& s = form_.state;
    for (;;) {
        if (sixGroup)
            runModes_.rotationClear();
        std::int16_t spin = 0;
        if (s.importmodus == 1) {
            if (!(std::nearbyint(s.wurfnummer) < static_cast<double>(s.permanenz.size()))) {
                // The imported spins have run out in the middle of a triple.
                endRunGivingUpTriple();
                return false;
            }
            spin = spinFromPermanence();
        } else {
            spin = spinFromGenerator();
        }
        s.wurfzahl = spin;
        if (spin != 0)
            return true;
        s.wurfnummer += 1;
    }
}

std::int16_t SpinRun::spinFromGenerator()
{
    // In double, 37 times any float below 1 stays below 37. The clamp keeps
    // a faulty source from ever indexing past the board tables. Past the sign
    // test the conversion's truncation is the floor, without its rounding.
    const double scaled = wheel::numberCount * spins_.next();
    if (!(scaled >= 0))
        return 0;
    if (scaled >= wheel::numberCount)
        return wheel::lastNumber;
    return static_cast<std::int16_t>(scaled);
}

std::int16_t SpinRun::spinFromPermanence() const
{
    const SessionState& s = form_.state;
    return wheel::spinOf(s.permanenzAt(s.wurfnummer));
}

void SpinRun::writeLog(int col, std::int16_t spin, std::int16_t contribution)
{
    GridModel& log = form_.tabelle3;
    log.setRow(form_.state.kombiwurf);
    log.setCol(col);
    // The spin and what it gave to the triple: its group, column or colour.
    // Written into a buffer, not joined from strings: joining made the whole
    // run a quarter slower, past 8 times its floor in some runs.
    std::array<char, logTextSize> text{};
    // The buffer holds both numbers and the slash, so no conversion fails;
    // were one to, the log would keep only what came before it.
    char* const last = text.data() + text.size();
    char* end = text.data();
    if (const auto first = std::to_chars(end, last - 1, spin); first.ec == std::errc{}) {
        end = first.ptr;
        *end++ = '/';
        if (const auto second = std::to_chars(end, last, contribution); second.ec == std::errc{})
            end = second.ptr;
    }
    log.setText(std::string_view(text.data(), static_cast<std::size_t>(end - text.data())));
}

void SpinRun::endRun()
{
    form_.announcement.say(runEndWord);
    form_.text.appendCaption(endLine);
    form_.okstart.setCaption(startCaption);
    form_.okstart.setBackColour(colour::startGreen);
    form_.okstart.setEnabled(false);
}

void SpinRun::endRunGivingUpTriple()
{
    endRun();
    form_.state.schritt = 0;
}

} // namespace ravelin
