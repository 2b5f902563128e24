// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything an import may touch, to tell that a refused one changed nothing.

#include "window/form_model.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ravelin::testing {

struct ImportSnapshot {
    std::string text, textanzahl, label15;
    std::int16_t importmodus;
    double importanzahl, wurfanzahl;
    std::vector<double> permanenz;
    bool panelShown, importEnabled, abbruchEnabled, startEnabled;
    bool operator==(const ImportSnapshot&) const = default;
};

inline ImportSnapshot importSnapshot(const FormModel& f)
{
    return {f.text.caption(),     f.textanzahl.text(),     f.Label15.caption(), f.state.importmodus,
            f.state.importanzahl, f.state.wurfanzahl,      f.state.permanenz,   f.Frame1.visible(),
            f.okextern.enabled(), f.okabbrechen.enabled(), f.okstart.enabled()};
}

} // namespace ravelin::testing
