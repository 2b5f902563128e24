// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace ravelin {

// The values every handler of the window shares. Wheel numbers, flags and
// small counters are 16-bit; spin counts and the two inputs are doubles.
struct SessionState {
    // Sentinel for "no previous composed number" and "no open pair".
    static constexpr std::int16_t none = 200;

    // Run inputs and the source of spins.
    std::int16_t importmodus = 0;  // 1: spins are replayed from permanenz
    double wurfanzahl = 0;         // wanted spins
    double haltwurf = 0;           // halt spin of "Halt bei Wurf.."
    std::vector<double> permanenz; // slot i = i-th imported spin; empty slots read 0
    double importanzahl = 0;

    // Counters of the run.
    double wurfnummer = 0;
    std::int16_t kombiwurf = 0;
    std::int16_t rotwurf = 0;
    std::int16_t rotzaehler = 0;
    std::int16_t rotationen = 0;
    std::int16_t schritt = 0;

    // The triple being composed.
    std::int16_t wurfzahl = 0;
    std::int16_t aktsechser = 0;
    std::int16_t aktkolonne = 0;
    std::int16_t aktfarbe = 0;
    std::int16_t zahl = 0;

    // Repeat detection.
    std::int16_t vorzahl = none;
    std::int16_t paarzahl = none;
    std::int16_t paarstatus = 0;
    std::int16_t doppeltgesehen = 0;
    std::int16_t paargesehen = 0;
    std::int16_t dreifachgesehen = 0;

    // The slot of permanenz at a position; outside the list and empty slots read 0.
    double permanenzAt(double position) const;

    void setToStartValues();
    void setBackForNewRun();
};

} // namespace ravelin
