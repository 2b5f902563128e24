// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/spin_run.h"

#include "board/wheel.h"
#include "text/plain_number.h"
#include "window/form_model.h"
#include "window/platform.h"
#include "window/run_mode.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace ravelin {

namespace {

constexpr std::string_view computerText = " Der Computer erzeugt die Zahlen...";
constexpr std::string_view endLine = "\r                    ***  ENDE  *** ";
// From the 26th triple on the log keeps its newest row in view.
constexpr int lastRowBeforeScrolling = 24;

// A composed number, 0 to 36, as a cell text: one digit or two at random,
// so made up without a branch on which.
GridModel::CellText numberText(std::int16_t number)
{
    GridModel::CellText text;
    if (number >= 0 && number < 100) {
        const int twoDigits = number >= 10 ? 1 : 0;
        text.chars[0] = static_cast<char>('0' + number / 10);
        text.chars[static_cast<std::size_t>(twoDigits)] = static_cast<char>('0' + number % 10);
        text.size = static_cast<std::uint8_t>(1 + twoDigits);
        return text;
    }
    const std::string_view plain = PlainNumber(number).text();
    std::copy(plain.begin(), plain.end(), text.chars.begin());
    text.size = static_cast<std::uint8_t>(plain.size());
    return text;
}

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
    // Row 0 is no candidate of any triple. While it shows the window's
    // background in both columns, so does every cell but the candidates
    // painted since; start-up and restart leave the grid's own colour there,
    // and then every cell is painted.
    const bool onlyCandidates =
        t1.colourAt(0, tabelle1col::twiceInARow) == colour::windowBackground &&
        t1.colourAt(0, tabelle1col::threeInARow) == colour::windowBackground;
    if (onlyCandidates) {
        t1.fillColourRows(tabelle1col::twiceInARow, paintedPairRows_, colour::windowBackground);
        t1.fillColourRows(tabelle1col::threeInARow, paintedGroupRows_, colour::windowBackground);
    } else {
        for (int col : {tabelle1col::twiceInARow, tabelle1col::threeInARow})
            t1.fillColour(col, 0, wheel::lastNumber, colour::windowBackground);
    }
    paintedPairRows_ = 0;
    paintedGroupRows_ = 0;
    // The current cell ends where walking the two columns cell by cell leaves it.
    t1.setRow(wheel::lastNumber);
    t1.setCol(tabelle1col::threeInARow);
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

    // The group's six numbers, top to bottom; the current cell ends on the last.
    GridModel& t1 = form_.tabelle1;
    const std::uint64_t groupRows = std::uint64_t{0x3F} << (6 * s.aktsechser - 5);
    t1.fillColourRows(tabelle1col::threeInARow, groupRows, colour::candidateBlue);
    paintedGroupRows_ |= groupRows;
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

    // The pair of the group and column: the even (black) one, then the odd (red) one.
    const int pair = 6 * s.aktsechser - 5 + 2 * s.aktkolonne;
    GridModel& t1 = form_.tabelle1;
    t1.setColourAt(pair - 1, tabelle1col::twiceInARow, colour::candidateBlue);
    t1.setColourAt(pair - 2, tabelle1col::twiceInARow, colour::candidateBlue);
    if (pair >= 2)
        paintedPairRows_ |= std::uint64_t{3} << (pair - 2);
    else if (pair == 1) // a group of none: only row 0 lies in the grid
        paintedPairRows_ |= 1;
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

    s.zahl = form_.board.kombizahl[static_cast<std::size_t>(s.aktsechser)][static_cast<std::size_t>(
        s.aktkolonne)][static_cast<std::size_t>(s.aktfarbe)];
    GridModel& log = form_.tabelle3;
    log.setRow(s.kombiwurf);
    log.setCol(0);
    const GridModel::CellText number = numberText(s.zahl);
    log.setShortText(number);

    s.schritt = 0;
    form_.okstart.setBackColour(colour::startGreen);
    ++s.kombiwurf;
    form_.lakut.setCaption(PlainNumber(s.wurfnummer).text());
    form_.Lreal.setCaption(PlainNumber(s.kombiwurf).text());
    if (log.row() > lastRowBeforeScrolling)
        log.setTopRow(s.kombiwurf - 1 - lastRowBeforeScrolling);
    form_.lzahl.setCaption(std::string_view(number.chars.data(), number.size));

    statistics_.update();
    if (form_.paintNow)
        form_.paintNow->paintNow(form_.lakut);

    if (runModes_.step())
        runEndCheck();
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
    const double spin = std::nearbyint(s.permanenzAt(s.wurfnummer));
    // Anything that is no number of the wheel is passed over like a zero.
    if (!(spin >= 0 && spin <= wheel::lastNumber))
        return 0;
    return static_cast<std::int16_t>(spin);
}

void SpinRun::writeLog(int col, std::int16_t spin, std::int16_t contribution)
{
    GridModel& log = form_.tabelle3;
    log.setRow(form_.state.kombiwurf);
    log.setCol(col);
    // Made up in the cell's own form: the log is written four times a
    // triple, and a wheel number with its group, column or colour is two
    // digits at most and one. Whether the spin has one digit or two is left
    // to no branch, which random spins would mispredict half the time.
    GridModel::CellText text;
    if (spin >= 0 && spin < 100 && contribution >= 0 && contribution < 10) {
        const std::size_t twoDigits = spin >= 10 ? 1 : 0;
        text.chars[0] = static_cast<char>('0' + spin / 10);
        text.chars[twoDigits] = static_cast<char>('0' + spin % 10);
        text.chars[1 + twoDigits] = '/';
        text.chars[2 + twoDigits] = static_cast<char>('0' + contribution);
        text.size = static_cast<std::uint8_t>(3 + twoDigits);
    } else {
        // Any 16-bit number takes at most six characters, so the slash and
        // the contribution always fit behind the spin.
        char* const begin = text.chars.data();
        char* p = std::to_chars(begin, begin + 6, spin).ptr;
        *p++ = '/';
        p = std::to_chars(p, begin + text.chars.size(), contribution).ptr;
        text.size = static_cast<std::uint8_t>(p - begin);
    }
    log.setShortText(text);
}

void SpinRun::endRun()
{
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
